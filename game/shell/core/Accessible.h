// What a view tells assistive technology (screen readers, the system's automation): one object
// for its client area with simple children numbered from 1, and the events that keep a
// reader's picture of them current. The platform serves it to other processes.
#pragma once

#include "ShellTypes.h"

#include <string>

// Steps between a view's children, as the keyboard and a reader's navigation take them.
enum class ENavigation { Next, Previous, First, Last, Left, Right, Up, Down };

enum class EAccessibleEvent { Focus, NameChange, Selection };

class IAccessibleView {
public:
    virtual ~IAccessibleView() = default;
    // The client object's own name.
    virtual std::string GetAccessibleName() const = 0;
    virtual int GetAccessibleChildCount() const = 0;
    // Children are numbered 1 to GetAccessibleChildCount(); 0 below means none.
    virtual std::string GetChildName(int nChild) const = 0;
    // In client coordinates.
    virtual CRect GetChildArea(int nChild) const = 0;
    virtual int GetFocusedChild() const = 0;
    virtual int GetSelectedChild() const = 0;
    virtual int GetChildAt(CPoint point) const = 0;
    // From a child; from none (0), only First and Last lead anywhere.
    virtual int NavigateChild(int nFrom, ENavigation step) const = 0;
    // Empty when the child has no default action now.
    virtual std::string GetDefaultAction(int nChild) const = 0;
    // FALSE when the child has no default action or the view cannot act now.
    virtual BOOL DoDefaultAction(int nChild) = 0;
};
