#include "draws/ui/internet_page.h"

#include "ui/form_builder.h"
#include "draws/draw_download.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

InternetPage::InternetPage(FormBuilder &builder, QWidget *parent)
    : QWidget(parent)
{
    ProxyHostEdit = builder.edit(QStringLiteral("ProxyHostEdit"));
    ProxyPortEdit = builder.edit(QStringLiteral("ProxyPortEdit"));
    ProxyPortEdit->setText(QStringLiteral("80"));
    ProxyPortEdit->setMaximumWidth(80);
    URLEdit = builder.edit(QStringLiteral("URLEdit"));
    Edit81 = builder.edit(QStringLiteral("Edit81"));
    Edit81->setText(QStringLiteral("0,50"));
    Edit82 = builder.edit(QStringLiteral("Edit82"));
    Edit82->setText(QStringLiteral("1,00"));
    CheckBox21 = builder.checkBox(QStringLiteral("CheckBox21"), QStringLiteral("Browser"));
    DrawServiceUrlEdit = builder.edit(QStringLiteral("DrawServiceUrlEdit"));
    DrawServiceUrlEdit->setText(DrawDownload::defaultServiceUrl().toString());
    FormWidgets::setHint(
        DrawServiceUrlEdit, QStringLiteral("Adresse des Ziehungsdienstes, z. B. http://127.0.0.1:8787"));
    for (QWidget *hidden : std::initializer_list<QWidget *>{URLEdit, Edit81, Edit82, CheckBox21})
        hidden->setVisible(false);

    auto *proxy = new QGroupBox(QStringLiteral("Proxy"));
    auto *form = new QFormLayout(proxy);
    form->addRow(builder.label(QStringLiteral("Label14"), QStringLiteral("Proxy-Server")), ProxyHostEdit);
    form->addRow(builder.label(QStringLiteral("Label15"), QStringLiteral("Proxy-Port")), ProxyPortEdit);

    auto *service = new QGroupBox(QStringLiteral("Ziehungsdaten"));
    auto *serviceForm = new QFormLayout(service);
    serviceForm->addRow(
        builder.label(QStringLiteral("DrawServiceLabel"), QStringLiteral("Ziehungsdienst")), DrawServiceUrlEdit);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addWidget(proxy);
    page->addWidget(service);
    page->addStretch();
}
