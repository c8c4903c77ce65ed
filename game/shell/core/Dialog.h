// Modal dialogs built from templates in the program's resources. The platform runs the
// dialog and gives it access to its controls while it is open.
#pragma once

#include "ShellTypes.h"

#include <string>

class IDialogs;

// The controls of an open dialog, as the platform provides them.
class IDialogControls {
public:
    virtual ~IDialogControls() = default;
    virtual void SetItemText(int nID, const std::string& text) = 0;
    virtual std::string GetItemText(int nID) const = 0;
    virtual void EndDialog(int nResult) = 0;
};

// Direction and target of one text exchange between a dialog's members and its controls.
class CDataExchange {
public:
    CDataExchange(IDialogControls& controls, BOOL bSaveAndValidate)
        : m_controls(controls), m_bSaveAndValidate(bSaveAndValidate) {}
    IDialogControls& m_controls;
    BOOL m_bSaveAndValidate;
};

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);

class CDialog {
public:
    explicit CDialog(int nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
    virtual ~CDialog() = default;

    int GetTemplateId() const { return m_nIDTemplate; }
    int DoModal(IDialogs& dialogs);

    // Called by the platform while the dialog runs.
    void AttachControls(IDialogControls* pControls) { m_pControls = pControls; }
    virtual BOOL OnInitDialog();
    // A button press; TRUE when the dialog handled it.
    virtual BOOL OnCommand(int nID);
    virtual void OnOK();
    virtual void OnCancel();

    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate);

protected:
    virtual void DoDataExchange(CDataExchange* pDX) { (void)pDX; }

private:
    int m_nIDTemplate;
    IDialogControls* m_pControls = nullptr;
};
