#pragma once

#include "AppVersion.h"

#include <QUrl>
#include <QWidget>

class QLabel;

namespace belltide {

class UrlOpener;

// "About Belltide": the program's icon, its name and version, and the maker's
// web address, which opens in the browser when clicked. It blocks no window.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    AboutWindow(const AppVersion& version, const QUrl& website, UrlOpener& opener, QWidget* parent = nullptr);

    QLabel* Canvas1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;

    // The File menu's Close while this window is in front.
    bool FileClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StaticText2_MouseDown();

    QUrl mWebsite;
    UrlOpener& mOpener;
};

} // namespace belltide
