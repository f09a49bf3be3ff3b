#include "analysis/chart_page.h"

#include "app/form_widgets.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

QDate ChartPage::startPickerMinimum() { return QDate(2013, 10, 22); }

ChartPage::ChartPage(FormBuilder &builder, QWidget *parent) : QWidget(parent)
{
    Chart1 = new QWidget;
    Chart1->setObjectName(QStringLiteral("Chart1"));
    DateTimePicker2 = builder.datePicker(QStringLiteral("DateTimePicker2"), startPickerMinimum());
    DateTimePicker2->setDate(startPickerMinimum());
    SpeedButton2 = builder.speedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Verteilung"),
                                       QStringLiteral("Verteilung der gezogenen Zahlen"));
    FormWidgets::setHint(SpeedButton2, SpeedButton2->toolTip(), true);
    SpeedButton1 = builder.speedButton(QStringLiteral("SpeedButton1"), QStringLiteral("2x"));
    SpeedButton3 = builder.speedButton(QStringLiteral("SpeedButton3"), QStringLiteral("3x"));
    SpeedButton12 = builder.speedButton(QStringLiteral("SpeedButton12"), QStringLiteral("4x"));
    SpeedButton19 = builder.speedButton(QStringLiteral("SpeedButton19"), QStringLiteral("Ausstehende"));
    SpeedButton9 = builder.speedButton(QStringLiteral("SpeedButton9"), QStringLiteral("CS"));
    SpeedButton20 = builder.speedButton(QStringLiteral("SpeedButton20"), QStringLiteral("Megaball"));
    SpeedButton21 = builder.speedButton(QStringLiteral("SpeedButton21"), QStringLiteral("Megaball offen"),
                                        QStringLiteral("wie lange sind die einzelnen Sternzahlen überfällig"));
    FormWidgets::setHint(SpeedButton21, SpeedButton21->toolTip(), true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("ab")));
    buttons->addWidget(DateTimePicker2);
    for (QToolButton *button : {SpeedButton2, SpeedButton1, SpeedButton3, SpeedButton12, SpeedButton19, SpeedButton9,
                                SpeedButton20, SpeedButton21}) {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(Chart1, 1);
    page->addLayout(buttons);
}
