// The teacher's guide in a window of its own, in Bulgarian: its pages
// (Markdown, with their pictures) as they travel inside the program, their
// links followed, "Назад" and "Начало" above them. One window for the whole
// program: asked again, it comes to the front.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace plane_figures::workspace {

class GuideWindow : public QWidget {
    Q_OBJECT

public:
    // The guide's first page.
    static const QUrl kHome;

    // The one guide window, made the first time, shown and raised.
    static GuideWindow* Open();

    explicit GuideWindow(QWidget* parent = nullptr);

    // The first heading of the page shown, which is also the window's title.
    QString Heading() const;

private:
    void ShowPage();
    void FollowLink(const QUrl& link);

    QTextBrowser* browser_;
};

}  // namespace plane_figures::workspace
