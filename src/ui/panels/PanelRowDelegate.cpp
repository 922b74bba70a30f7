#include "ui/panels/PanelRowDelegate.h"

#include "ui/main/UiFont.h"

#include <QFontMetrics>
#include <QPainter>

namespace kalvio {

namespace {

const QColor SeparatorColour(0xD3, 0xD3, 0xD3);
const QColor SelectedColour(0xCF, 0xE0, 0xF5);
const QColor CurrentFrameColour(0x1F, 0x6F, 0xB2);
const QColor TextColour(0x1F, 0x23, 0x2B);
constexpr int SmallestResultFontSize = 8;

// A result is never cut: a wide one is drawn smaller until it fits, as the result display does.
QFont FittedFont(QFont font, const QString& text, int width) {
    for (int size = font.pixelSize(); size > SmallestResultFontSize; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) {
            return font;
        }
    }
    font.setPixelSize(SmallestResultFontSize);
    return font;
}

} // namespace

TPanelRowDelegate::TPanelRowDelegate(int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), FRowHeight(rowHeight) {}

void TPanelRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect row = option.rect;
    painter->save();
    painter->fillRect(row, option.state.testFlag(QStyle::State_Selected) ? SelectedColour
                                                                         : QColor(Qt::white));
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->setPen(CurrentFrameColour);
        painter->drawRect(row.adjusted(0, 0, -1, -2));
    }
    painter->setPen(SeparatorColour);
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());

    QFont font = UiFont(FontSize, index.data(Qt::FontRole).value<QFont>().bold());
    painter->setPen(TextColour);
    const QRect content = row.adjusted(TextMargin, 0, -TextMargin, -1);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QVariant result = index.data(ResultTextRole);
    const QRect firstLine = result.isValid()
                                ? content.adjusted(0, 0, 0, ExpressionLineHeight - content.height())
                                : content;
    painter->setFont(font);
    painter->drawText(firstLine, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QFontMetrics(font).elidedText(text, Qt::ElideRight, firstLine.width()));
    if (result.isValid()) {
        const QString resultText = result.toString();
        const QRect secondLine = content.adjusted(0, ExpressionLineHeight, 0, 0);
        painter->setFont(FittedFont(font, resultText, secondLine.width()));
        painter->drawText(secondLine, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                          resultText);
    }
    painter->restore();
}

QSize TPanelRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& /*index*/) const {
    return {option.rect.width(), FRowHeight};
}

} // namespace kalvio
