#include "sidepanel.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace plane_figures::workspace {

namespace {

constexpr int kGap = 8;         // between the window's frame and the panel's
constexpr int kMargin = 8;      // around the text
constexpr int kReadable = 220;  // the narrowest the panel is made beside the window
constexpr Qt::WindowFlags kFlags = Qt::Tool | Qt::WindowDoesNotAcceptFocus;

}  // namespace

SidePanel::SidePanel(QWidget* window)
    : QWidget(window, kFlags | Qt::WindowTransparentForInput), window_(window) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(tr("Бележки"));
    setFont(window->font());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    window_->installEventFilter(this);
}

int SidePanel::AddSection(const QString& name) {
    auto* label = new QLabel(this);
    label->setAccessibleName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::ToolTipText);
    label->hide();
    layout()->addWidget(label);
    sections_ << label;
    return static_cast<int>(sections_.size()) - 1;
}

void SidePanel::SetText(int section, const QString& text) {
    QLabel* label = sections_.value(section);
    if (label == nullptr || label->text() == text) return;
    label->setText(text);
    label->setVisible(!text.isEmpty());
    Follow();
}

QString SidePanel::Text(int section) const {
    const QLabel* label = sections_.value(section);
    return label ? label->text() : QString();
}

void SidePanel::Host(QWidget* widget) {
    if (widget == hosted_) return;
    if (hosted_ != nullptr) {
        hosted_->removeEventFilter(this);
        layout()->removeWidget(hosted_);
        hosted_->hide();
    }
    hosted_ = widget;
    if (hosted_ != nullptr) {
        static_cast<QVBoxLayout*>(layout())->insertWidget(0, hosted_);
        hosted_->show();
    }
    // A native window keeps the input area it had when it last stopped being
    // transparent for input (on X11, the size it had then): one made anew
    // takes clicks wherever it is drawn, at any size. Hidden by the change
    // of flags; Follow shows it again where it belongs.
    if (hosted_ != nullptr) hosted_->installEventFilter(this);
    hide();
    if (testAttribute(Qt::WA_WState_Created)) destroy();
    setWindowFlags(hosted_ != nullptr ? kFlags : kFlags | Qt::WindowTransparentForInput);
    Follow();
}

bool SidePanel::HasText() const {
    if (hosted_ != nullptr) return true;
    return std::any_of(sections_.begin(), sections_.end(),
                       [](const QLabel* label) { return !label->text().isEmpty(); });
}

int SidePanel::NaturalWidth() const {
    int widest = 0;
    for (const QLabel* label : sections_) {
        if (label->text().isEmpty()) continue;
        const QRect lines = label->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000),
                                                              Qt::AlignLeft, label->text());
        widest = std::max(widest, lines.width());
    }
    // a hosted widget keeps the width it asks for, the notes wrapped within
    // it: its buttons stay under the mouse whatever the notes say
    if (hosted_ != nullptr) widest = hosted_->sizeHint().width();
    return widest + 2 * kMargin + 2;  // the label's own rounding
}

int SidePanel::HeightFor(int width) const {
    const int height = layout()->totalHeightForWidth(width);
    return height >= 0 ? height : layout()->totalSizeHint().height();
}

QRect SidePanel::Place() const {
    // the window manager's frame around the panel, known once it was shown
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    const QPoint inside = isVisible() ? geometry().topLeft() - frameGeometry().topLeft() : QPoint();
    const QRect window = window_->frameGeometry();
    const QScreen* screen = window_->screen();
    const QRect room =
        screen ? screen->availableGeometry() : QRect(window.topLeft(), QSize(1 << 20, 1 << 20));
    const int natural = NaturalWidth();
    const int right = room.right() - window.right() - kGap - frame.width();
    const int left = window.left() - room.left() - kGap - frame.width();
    const auto beside = [&](bool on_right, int width) {
        const int height = HeightFor(width);
        const int x =
            on_right ? window.right() + 1 + kGap : window.left() - kGap - frame.width() - width;
        const int y = std::clamp(window.top(), room.top(),
                                 std::max(room.top(), room.bottom() + 1 - height - frame.height()));
        return QRect(QPoint(x, y) + inside, QSize(width, height));
    };
    if (right >= natural) return beside(true, natural);
    if (left >= natural) return beside(false, natural);
    if (std::max(right, left) >= kReadable) return beside(right >= left, std::max(right, left));
    // no side has room: below the window, or above it, its lines whole where they fit
    const int width = std::min(natural, room.width() - frame.width());
    const int height = HeightFor(width);
    const int x = std::clamp(window.left(), room.left(),
                             std::max(room.left(), room.right() + 1 - width - frame.width()));
    const int below = window.bottom() + 1 + kGap;
    if (room.bottom() + 1 - below >= height + frame.height())
        return QRect(QPoint(x, below) + inside, QSize(width, height));
    const int above = window.top() - kGap - frame.height() - height;
    return QRect(QPoint(x, std::max(above, room.top())) + inside, QSize(width, height));
}

void SidePanel::Follow() {
    // measured with the hosted widget's texts as they are now, not as its
    // layout last saw them
    if (hosted_ != nullptr) {
        hosted_->updateGeometry();
        layout()->invalidate();
    }
    if (!HasText() || !window_->isVisible() || window_->isMinimized()) {
        hide();
        return;
    }
    setGeometry(Place());
    show();
    // a frame the window manager adds shows once the panel is shown
    if (Place() != geometry()) setGeometry(Place());
}

bool SidePanel::eventFilter(QObject* watched, QEvent* event) {
    // the hosted widget's texts changed its size: placed anew once it is laid out
    if (watched == hosted_ && event->type() == QEvent::LayoutRequest)
        QMetaObject::invokeMethod(this, &SidePanel::Follow, Qt::QueuedConnection);
    if (watched == window_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::WindowStateChange: Follow(); break;
            default: break;
        }
    }
    return false;
}

}  // namespace plane_figures::workspace
