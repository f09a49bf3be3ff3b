// The option table ties every control to a named option of its own: a value set by
// control number is what the computations read by name, and no two controls share one.
#include "generator/generation_options.h"

#include <QTest>

#include <stdexcept>

class GenerationOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsOwnOption()
    {
        for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
            QVERIFY2(&GenerationOptions::checkBoxOf(option.field) == &option,
                qPrintable(GenerationOptions::checkBoxValueName(option.number)));
        for (const SpinOption &option : GenerationOptions::spins())
            QVERIFY2(&GenerationOptions::spinOf(option.field) == &option,
                qPrintable(GenerationOptions::spinValueName(option.number)));
    }

    void unknownNumbersAreRefused()
    {
        GenerationSettings settings;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, settings.setCheckBox(17, true));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, std::ignore = settings.upDown(20));
    }
};

QTEST_GUILESS_MAIN(GenerationOptionsTest)
#include "generation_options_test.moc"
