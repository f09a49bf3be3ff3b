#include "draws/ui/database_page.h"

#include "draws/draw.h"
#include "ui/form_builder.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

DatabasePage::DatabasePage(FormBuilder &builder, QWidget *parent)
    : QWidget(parent)
{
    const auto statusHint = [](QWidget *widget) { FormWidgets::setHint(widget, widget->toolTip(), true); };

    auto *drawDateLabel = builder.label(QStringLiteral("Label12"), QStringLiteral("Ziehung vom"));
    DateTimePicker1 = builder.datePicker(QStringLiteral("DateTimePicker1"), Game::earliestDate());
    SpeedButton5 = builder.speedButton(QStringLiteral("SpeedButton5"), QString(),
        QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    SpeedButton5->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    SpeedButton6 = builder.speedButton(
        QStringLiteral("SpeedButton6"), QString(), QStringLiteral("vorhergehende Ziehung anzeigen"));
    SpeedButton6->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    SpeedButton7
        = builder.speedButton(QStringLiteral("SpeedButton7"), QString(), QStringLiteral("nächste Ziehung anzeigen"));
    SpeedButton7->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    Label29 = builder.label(QStringLiteral("Label29"), QString(), DataTag);
    Label29->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont drawFont = Label29->font();
    drawFont.setBold(true);
    Label29->setFont(drawFont);
    Label13 = builder.label(QStringLiteral("Label13"), QString(), DataTag);

    auto *shown = builder.groupBox(QStringLiteral("GroupBox1"), QStringLiteral("Angezeigte Ziehung"));
    auto *store = builder.groupBox(QStringLiteral("GroupBox2"), QStringLiteral("Ziehungsdaten"));
    BitBtn1 = builder.bitmapButton(QStringLiteral("BitBtn1"), QStringLiteral("&Datenbank aktualisieren"));
    SpeedButton8
        = builder.speedButton(QStringLiteral("SpeedButton8"), QString(), QStringLiteral("Stoppt das Einlesen"));
    SpeedButton8->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    SpeedButton8->setVisible(false);
    BitBtn6 = builder.bitmapButton(QStringLiteral("BitBtn6"), QStringLiteral("Löschen"),
        QStringLiteral("Löschen der aktuell angezeigten Ziehung"));
    BitBtn8 = builder.bitmapButton(
        QStringLiteral("BitBtn8"), QStringLiteral("Eingeben"), QStringLiteral("manuelle eingaben der Ziehungsdaten."));
    BitBtn2 = builder.bitmapButton(QStringLiteral("BitBtn2"), QStringLiteral("Datenbank neu anlegen"));
    BitBtn2->setVisible(false);
    BitBtn3 = builder.bitmapButton(QStringLiteral("BitBtn3"), QStringLiteral("Export nach Text"));
    BitBtn3->setVisible(false);

    auto *statistics = builder.groupBox(QStringLiteral("GroupBox3"), QStringLiteral("Statistik"));
    Button2 = builder.button(QStringLiteral("Button2"), QStringLiteral("Paare suchen"),
        QStringLiteral("Erzeugen der Grafik für die Paarbildung der Zahlen"));
    Button3 = builder.button(QStringLiteral("Button3"), QStringLiteral("Dreier suchen"),
        QStringLiteral("Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"));
    Button4 = builder.button(QStringLiteral("Button4"), QStringLiteral("Vierer suchen"),
        QStringLiteral("Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"));
    Button5 = builder.button(QStringLiteral("Button5"), QStringLiteral("Ausstehende"),
        QStringLiteral("Erzeugt die Grafik für die Ausstehenden Zahlen"));
    Button8 = builder.button(QStringLiteral("Button8"), QStringLiteral("MegaBall ausstehende"),
        QStringLiteral("Welche Sternzahl ist am länsten überfällig"));
    const QString analysisHint = QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum");
    BitBtn9 = builder.bitmapButton(QStringLiteral("BitBtn9"),
        QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"), analysisHint);
    BitBtn19 = builder.bitmapButton(QStringLiteral("BitBtn19"),
        QStringLiteral("Historische Analyse beginnend mit dem oben gewähltem Datum"), analysisHint);

    for (QWidget *w : std::initializer_list<QWidget *>{SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8, BitBtn1,
             BitBtn2, BitBtn3, BitBtn6, BitBtn8, BitBtn9, Button2, Button3, Button4, Button5})
        statusHint(w);

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(drawDateLabel);
    dateRow->addWidget(DateTimePicker1);
    dateRow->addWidget(SpeedButton5);
    dateRow->addSpacing(12);
    dateRow->addWidget(SpeedButton6);
    dateRow->addWidget(SpeedButton7);
    dateRow->addStretch();

    auto *shownLayout = new QVBoxLayout(shown);
    shownLayout->addWidget(Label29);
    shownLayout->addWidget(Label13);

    auto *storeLayout = new QGridLayout(store);
    storeLayout->addWidget(BitBtn1, 0, 0);
    storeLayout->addWidget(SpeedButton8, 0, 1);
    storeLayout->addWidget(BitBtn8, 1, 0);
    storeLayout->addWidget(BitBtn6, 2, 0);
    storeLayout->addWidget(BitBtn2, 3, 0);
    storeLayout->addWidget(BitBtn3, 4, 0);
    storeLayout->setRowStretch(5, 1);

    auto *statisticsLayout = new QVBoxLayout(statistics);
    for (QWidget *w : std::initializer_list<QWidget *>{Button2, Button3, Button4, Button5, Button8})
        statisticsLayout->addWidget(w);
    statisticsLayout->addStretch();

    auto *middle = new QHBoxLayout;
    middle->addWidget(store, 1);
    middle->addWidget(statistics, 1);

    auto *analysis = new QVBoxLayout;
    analysis->addWidget(BitBtn9);
    analysis->addWidget(BitBtn19);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(dateRow);
    page->addWidget(shown);
    page->addLayout(middle, 1);
    page->addLayout(analysis);
}
