#include "platform/gui/dialogbuilder.h"

#include "platform/gui/images.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {

QStringList fallbackFamilies(const QString& face)
{
    if (face == QLatin1String("Arial"))
        return {face, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                QStringLiteral("Noto Sans")};
    if (face == QStringLiteral("ＭＳ Ｐゴシック"))
        return {face, QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP"),
                QStringLiteral("Noto Sans JP"), QStringLiteral("IPAPGothic"),
                QStringLiteral("VL PGothic")};
    return {face};
}

// Static texts show "&" as a mnemonic unless SS_NOPREFIX; QLabel shows it literally.
QString labelText(const char* text, DWORD style)
{
    QString label = QString::fromUtf8(text ? text : "");
    if (!(style & SS_NOPREFIX))
        label.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
    return label;
}

QWidget* createControl(const DialogItemTemplate& item, QWidget* parent,
                       const std::function<void(int)>& onCommand)
{
    const QString text = QString::fromUtf8(item.text ? item.text : "");
    switch (item.controlClass) {
    case ControlClass::Button: {
        if ((item.style & 0x0F) == BS_GROUPBOX)
            return new QGroupBox(text, parent);
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
        auto* bar = new QProgressBar(parent);
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
    const int width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
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
