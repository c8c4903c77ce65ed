#include "Figures.h"

CIndexedImage FigureHalf(CSuit suit, int nRank) {
    CIndexedImage half(kFigureWidth, kFigureHeight, kClear);
    const char* letters = "JQK";
    CIndexedImage letter = TitleText(std::string(1, letters[nRank - 11]), SuitInk(suit));
    for (int y = 0; y < letter.Height(); ++y)
        for (int x = 0; x < letter.Width(); ++x)
            if (letter.At(x, y) != kClear) half.FillRect(8 + 4 * x, 4 + 4 * y, 4, 4, SuitInk(suit));
    half.Draw(Pip(suit, CPipSize::Small, SuitInk(suit)), 1, 1);
    return half;
}
