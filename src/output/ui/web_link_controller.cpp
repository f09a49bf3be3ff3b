#include "output/ui/web_link_controller.h"

#include "draws/ui/internet_page.h"
#include "output/web_links.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/form_builder.h"
#include "ui/platform.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>

WebLinkController::WebLinkController(TipSheetPage &sheet, InternetPage &internet, DesktopShell &shell, QObject *parent)
    : QObject(parent)
    , m_sheet(sheet)
    , m_shell(shell)
{
    for (LinkLabel *label : {sheet.addressLabel(), sheet.productLabel()})
        connect(label, &LinkLabel::clicked, this, &WebLinkController::openMakerSite);
    for (QFrame *strip : {sheet.leftStrip(), sheet.rightStrip()}) {
        strip->installEventFilter(this);
        strip->setCursor(Qt::PointingHandCursor);
    }
    for (LinkLabel *label : {internet.Label52, internet.Label54, internet.Label56})
        connect(label, &LinkLabel::clicked, this, [this, label] { openLink(*label); });
}

void WebLinkController::openMakerSite()
{
    m_shell.open(WebLinks::MakerSite);
}

void WebLinkController::openLink(const LinkLabel &label)
{
    const QString address = WebLinks::addressOf(label.objectName());
    if (!address.isEmpty())
        m_shell.open(address);
}

bool WebLinkController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && (watched == m_sheet.leftStrip() || watched == m_sheet.rightStrip())) {
        openMakerSite();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
