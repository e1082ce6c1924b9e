#pragma once

#include "StepPage.h"

#include <array>

namespace belltide {

class StepLabel;
class StepPicture;

// Page 0: a picture, a title and a description for each step, all of which
// lead to that step.
class HomePage : public StepPage {
    Q_OBJECT

public:
    explicit HomePage(QWidget* parent = nullptr);

    StepPicture* HomeCanvas(int i) const { return HomeCanvases[std::size_t(i)]; }
    StepLabel* HomeLabel(int j) const { return HomeLabels[std::size_t(j)]; }

    std::array<StepPicture*, 5> HomeCanvases {};
    std::array<StepLabel*, 10> HomeLabels {};

signals:
    void StepChosen(int step);

private:
    void Underline(int step, bool underlined);
};

} // namespace belltide
