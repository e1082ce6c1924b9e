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

    StepPicture* HomeCanvas(int i) const { return mHomeCanvases[std::size_t(i)]; }
    StepLabel* HomeLabel(int j) const { return mHomeLabels[std::size_t(j)]; }

signals:
    void StepChosen(int step);

private:
    void Underline(int step, bool underlined);

    std::array<StepPicture*, 5> mHomeCanvases {};
    std::array<StepLabel*, 10> mHomeLabels {};
};

} // namespace belltide
