#include "widgets/FusionLook.h"

#include "widgets/FormLook.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace
{
// As in Qt's qfusionstyle.cpp (Qt 6.4), which draws PE_FrameGroupBox so.
constexpr int GroupBoxTopMargin = 3;
const QMargins GroupBoxBorder(6, 6, 6, 6);

// Qt's raster engine hands a fill of 96 or more spans (rows) to its thread
// pool and waits for it; bands of 32 rows stay below that.
constexpr int BandRows = 32;
} // namespace

FusionLook::FusionLook()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void FusionLook::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameGroupBox && baseStyle()->name() == u"fusion") {
        drawGroupBoxFrame(option, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FusionLook::drawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (groupBoxFrame.isNull())
        groupBoxFrame
            = FormLook::picture(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), 1);
    int topMargin = GroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        topMargin += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const QRect frame = option->rect.adjusted(0, topMargin, 0, 0);

    // Bands only where a band's rows are whole device rows.
    if (painter->deviceTransform().type() > QTransform::TxTranslate) {
        qDrawBorderPixmap(painter, frame, GroupBoxBorder, groupBoxFrame);
        return;
    }
    for (int top = frame.top(); top <= frame.bottom(); top += BandRows) {
        painter->save();
        painter->setClipRect(QRect(frame.left(), top, frame.width(), BandRows), Qt::IntersectClip);
        qDrawBorderPixmap(painter, frame, GroupBoxBorder, groupBoxFrame);
        painter->restore();
    }
}
