#include "draws/ui/internet_page.h"

#include "draws/draw_download.h"
#include "output/web_links.h"
#include "ui/form_builder.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

InternetPage::InternetPage(FormBuilder &builder, QWidget *parent)
    : QWidget(parent)
{
    auto *proxy = builder.groupBox(QStringLiteral("GroupBox4"), QStringLiteral("Proxy"));
    auto *proxyHostLabel = builder.label(QStringLiteral("Label14"), QStringLiteral("Proxy-Server"));
    ProxyHostEdit = builder.edit(QStringLiteral("ProxyHostEdit"));
    auto *proxyPortLabel = builder.label(QStringLiteral("Label15"), QStringLiteral("Proxy-Port"));
    ProxyPortEdit = builder.edit(QStringLiteral("ProxyPortEdit"));
    ProxyPortEdit->setText(DrawDownload::DefaultProxyPort);
    ProxyPortEdit->setMaximumWidth(80);
    URLEdit = builder.edit(QStringLiteral("URLEdit"));
    Edit81 = builder.edit(QStringLiteral("Edit81"));
    Edit81->setText(QStringLiteral("0,50"));
    Edit82 = builder.edit(QStringLiteral("Edit82"));
    Edit82->setText(QStringLiteral("1,00"));
    CheckBox21 = builder.checkBox(QStringLiteral("CheckBox21"), QStringLiteral("Browser"));
    auto *service = builder.groupBox(QStringLiteral("GroupBox5"), QStringLiteral("Ziehungsdaten"));
    auto *serviceLabel = builder.label(QStringLiteral("DrawServiceLabel"), QStringLiteral("Ziehungsdienst"));
    DrawServiceUrlEdit = builder.edit(QStringLiteral("DrawServiceUrlEdit"));
    DrawServiceUrlEdit->setText(DrawDownload::defaultServiceUrl().toString());
    FormWidgets::setHint(
        DrawServiceUrlEdit, QStringLiteral("Adresse des Ziehungsdienstes, z. B. http://127.0.0.1:8787"));
    auto *links = builder.groupBox(QStringLiteral("GroupBox6"), QStringLiteral("Im Internet"));
    auto *linkLayout = new QVBoxLayout(links);
    const auto link = [&](const char *lineName, const QString &line, const char *labelName, const QString &address) {
        linkLayout->addWidget(builder.label(QString::fromLatin1(lineName), line));
        LinkLabel *label = builder.linkLabel(QString::fromLatin1(labelName), address);
        linkLayout->addWidget(label);
        return label;
    };
    Label52 = link(
        "Label51", QStringLiteral("Updates und die neueste Version gibt es bei:"), "Label52", WebLinks::ProductPage);
    Label54 = link("Label53", QStringLiteral("Die aktuellen Ziehungen und Quoten finden unter:"), "Label54",
        WebLinks::OfficialGameSite);
    Label56 = link("Label55", QStringLiteral("Tipps automatisch online abgeben mit Morvaks Skriptomat:"), "Label56",
        WebLinks::OtherProductPage);

    // Kept for the settings, never shown; owned by the page like every other control.
    for (QWidget *hidden : std::initializer_list<QWidget *>{URLEdit, Edit81, Edit82, CheckBox21}) {
        hidden->setParent(this);
        hidden->setVisible(false);
    }

    auto *form = new QFormLayout(proxy);
    form->addRow(proxyHostLabel, ProxyHostEdit);
    form->addRow(proxyPortLabel, ProxyPortEdit);
    auto *serviceForm = new QFormLayout(service);
    serviceForm->addRow(serviceLabel, DrawServiceUrlEdit);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addWidget(proxy);
    page->addWidget(service);
    page->addWidget(links);
    page->addStretch();
}
