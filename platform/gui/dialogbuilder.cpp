#include "platform/gui/dialogbuilder.h"

#include "platform/gui/images.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>

namespace {

QStringList fallbackFamilies(const QString& face)
{
    // Metric-compatible faces first, so that texts fit the rectangles they were laid
    // out for.
    if (face == QLatin1String("Arial"))
        return {face,
                QStringLiteral("Liberation Sans"),
                QStringLiteral("Arimo"),
                QStringLiteral("Nimbus Sans"),
                QStringLiteral("DejaVu Sans"),
                QStringLiteral("Noto Sans")};
    if (face == QStringLiteral("ＭＳ Ｐゴシック"))
        return {face,
                QStringLiteral("MS PGothic"),
                QStringLiteral("IPAPGothic"),
                QStringLiteral("VL PGothic"),
                QStringLiteral("Noto Sans CJK JP"),
                QStringLiteral("Noto Sans JP")};
    return {face};
}

// A group box as the templates mean it: the frame fills the whole rectangle and its
// top line runs through the middle of the title. (Qt's styles put the title above the
// frame, which pushes it out of the space the template left for it.)
class TemplateGroupBox : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const QRect frame = rect().adjusted(0, metrics.height() / 2, 0, 0);
        qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
        if (title().isEmpty())
            return;
        const int indent = metrics.averageCharWidth();
        const int padding = 2;
        QRect text(indent, 0, metrics.horizontalAdvance(title()) + 2 * padding, metrics.height());
        text &= rect().adjusted(indent, 0, -indent, 0);
        painter.fillRect(text, palette().window());
        style()->drawItemText(&painter, text.adjusted(padding, 0, 0, 0),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                              isEnabled(), title(), QPalette::WindowText);
    }
};

// The template's progress control: a segmented bar, the value drawn as separate blocks
// two thirds as wide as they are high, in a sunken frame.
class SegmentedProgressBar : public QProgressBar
{
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1, &palette().brush(QPalette::Base));
        const QRect inside = rect().adjusted(2, 2, -2, -2);
        const qint64 span = qint64(maximum()) - minimum();
        if (inside.isEmpty() || span <= 0 || value() <= minimum())
            return;
        const int filled = int(inside.width() * (qint64(value()) - minimum()) / span);
        const int block = std::max(2, inside.height() * 2 / 3);
        const int gap = 2;
        painter.setClipRect(inside);
        for (int x = 0; x < filled; x += block + gap)
            painter.fillRect(inside.x() + x, inside.y(), block, inside.height(),
                             palette().brush(QPalette::Highlight));
    }
};

// Static texts show "&" as a mnemonic unless SS_NOPREFIX; QLabel shows it literally.
QString labelText(const char* text, DWORD style)
{
    QString label = QString::fromUtf8(text ? text : "");
    if (!(style & SS_NOPREFIX))
        label.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QChar(1), QLatin1Char('&'));
    return label;
}

QWidget* createControl(const DialogItemTemplate& item, QWidget* parent,
                       const std::function<void(int)>& onCommand)
{
    const QString text = QString::fromUtf8(item.text ? item.text : "");
    switch (item.controlClass) {
    case ControlClass::Button: {
        if ((item.style & 0x0F) == BS_GROUPBOX)
            return new TemplateGroupBox(text, parent);
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault((item.style & 0x0F) == BS_DEFPUSHBUTTON);
        const int id = item.id;
        QObject::connect(button, &QPushButton::clicked, parent, [onCommand, id] {
            if (onCommand)
                onCommand(id);
        });
        return button;
    }
    case ControlClass::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setFrame((item.style & WS_BORDER) != 0);
        return edit;
    }
    case ControlClass::Static: {
        auto* label = new QLabel(parent);
        if ((item.style & 0x0F) == SS_ICON) {
            label->setPixmap(AfxLoadIconImage(text.mid(1).toUInt(), 32));
            return label;
        }
        label->setText(labelText(item.text, item.style));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(((item.style & 0x0F) == SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        return label;
    }
    case ControlClass::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled((item.style & LBS_SORT) != 0);
        list->setUniformItemSizes(true);
        // Long paths keep their start and their file name in view.
        list->setTextElideMode(Qt::ElideMiddle);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy((item.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAlwaysOff);
        return list;
    }
    case ControlClass::Progress: {
        auto* bar = new SegmentedProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    }
    return new QWidget(parent);
}

} // namespace

QFont AfxTemplateFont(const DialogTemplate& dialog)
{
    QFont font;
    font.setFamilies(fallbackFamilies(QString::fromUtf8(dialog.faceName ? dialog.faceName : "")));
    font.setPointSize(dialog.pointSize > 0 ? dialog.pointSize : 9);
    return font;
}

QSize AfxDialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect AfxMapDialogRect(int x, int y, int cx, int cy, QSize baseUnits)
{
    const auto mapX = [&](int v) { return v * baseUnits.width() / 4; };
    const auto mapY = [&](int v) { return v * baseUnits.height() / 8; };
    return {mapX(x), mapY(y), mapX(cx), mapY(cy)};
}

void CDialogBuilder::Build(const DialogTemplate& dialog, QWidget* parent,
                           std::function<void(int)> onCommand)
{
    m_font = AfxTemplateFont(dialog);
    m_baseUnits = AfxDialogBaseUnits(m_font);
    m_size = AfxMapDialogRect(0, 0, dialog.cx, dialog.cy, m_baseUnits).size();
    parent->setFont(m_font);

    QWidget* previousTabStop = nullptr;
    for (const DialogItemTemplate& item : dialog.items) {
        QWidget* control = createControl(item, parent, onCommand);
        control->setGeometry(AfxMapDialogRect(item.x, item.y, item.cx, item.cy, m_baseUnits));
        control->setVisible((item.style & WS_VISIBLE) != 0);
        if (item.style & WS_TABSTOP) {
            control->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, control);
            previousTabStop = control;
        } else if (item.controlClass != ControlClass::Static) {
            control->setFocusPolicy(Qt::NoFocus);
        }
        if (item.id != -1)
            m_items.insert(item.id, control);
        control->setObjectName(item.id != -1 ? QStringLiteral("item%1").arg(item.id)
                                             : QStringLiteral("static"));
    }
}
