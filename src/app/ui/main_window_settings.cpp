#include "app/ui/main_window_settings.h"

#include "app/clock.h"
#include "app/settings_store.h"
#include "draws/draw.h"

#include <map>
#include <variant>
#include <vector>

namespace {
enum class Group { Alone, First, Second, Third };

struct TipField {
    int row;
    int slot;
};
struct LockField {
    int row;
};
using Field
    = std::variant<int MainWindowValues::*, QString MainWindowValues::*, bool MainWindowValues::*, TipField, LockField>;

struct Value {
    QString name;
    Group group;
    Field field;
    bool written = true;
};

// In start-up order. The generation options read before the first group's values (check
// boxes and radio buttons) and before the second's (the spins); the connection group
// and the statistics start follow the table.
const std::vector<Value> &table()
{
    static const std::vector<Value> values = [] {
        std::vector<Value> v{
            {QStringLiteral("Losnummer"), Group::Alone, &MainWindowValues::ticketNumber, false},
            {QStringLiteral("NeuerSchein"), Group::Alone, &MainWindowValues::neuerSchein},
            {QStringLiteral("Land"), Group::First, &MainWindowValues::land},
            {QStringLiteral("height"), Group::First, &MainWindowValues::height},
            {QStringLiteral("width"), Group::First, &MainWindowValues::width},
            {QStringLiteral("TippTop"), Group::First, &MainWindowValues::tippTop},
            {QStringLiteral("TippLeft"), Group::First, &MainWindowValues::tippLeft},
            {QStringLiteral("Sprache"), Group::First, &MainWindowValues::language},
        };
        // The store lists the tip fields by number, not row by row.
        std::map<QString, TipField> fields;
        for (int row = 1; row <= TipRows::RowCount; ++row)
            for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot)
                fields.emplace(TipRows::fieldName(row, slot), TipField{row, slot});
        for (const QString &name : TipRows::storedFieldNames())
            v.push_back({name, Group::Second, fields.at(name)});
        // The row locks, each on its own: one that cannot be read leaves its row unlocked.
        for (int row = 1; row <= TipRows::RowCount; ++row)
            v.push_back({QStringLiteral("Gesperrt%1").arg(row), Group::Alone, LockField{row}});
        v.push_back({QStringLiteral("ZWEIPREIS"), Group::Third, &MainWindowValues::zweipreis});
        v.push_back({QStringLiteral("EINPREIS"), Group::Third, &MainWindowValues::einpreis});
        v.push_back({QStringLiteral("Browser"), Group::Alone, &MainWindowValues::browser});
        return v;
    }();
    return values;
}

// Reads one value into `values`; false when it has the wrong type.
bool readValue(const SettingsStore &store, const Value &value, MainWindowValues &values)
{
    struct Reader {
        const SettingsStore &store;
        const Value &value;
        MainWindowValues &values;
        bool operator()(int MainWindowValues::*member) const
        {
            const auto read = store.readInteger(value.name);
            if (read && read->has_value())
                values.*member = **read;
            return read.ok();
        }
        bool operator()(QString MainWindowValues::*member) const
        {
            const auto read = store.readString(value.name);
            if (read && read->has_value())
                values.*member = **read;
            return read.ok();
        }
        bool operator()(bool MainWindowValues::*member) const
        {
            // A text stored here by older versions reads as unchecked, not as a failure.
            const auto stored = store.value(value.name);
            if (stored && stored->type == RegistryValue::Type::Integer)
                values.*member = stored->integer != 0;
            else if (stored && stored->type == RegistryValue::Type::String)
                values.*member = false;
            return true;
        }
        bool operator()(TipField field) const
        {
            const auto read = store.readString(value.name);
            if (read && read->has_value())
                values.tips[size_t(field.row - 1)][size_t(field.slot)] = **read;
            return read.ok();
        }
        bool operator()(LockField field) const
        {
            const auto read = store.readBool(value.name);
            if (read && read->has_value())
                values.locks[size_t(field.row - 1)] = **read;
            return true;
        }
    };
    return std::visit(Reader{store, value, values}, value.field);
}

void writeValue(SettingsStore &store, const Value &value, const MainWindowValues &values)
{
    struct Writer {
        SettingsStore &store;
        const Value &value;
        const MainWindowValues &values;
        void operator()(int MainWindowValues::*member) const { store.writeInteger(value.name, values.*member); }
        void operator()(QString MainWindowValues::*member) const { store.writeString(value.name, values.*member); }
        void operator()(bool MainWindowValues::*member) const { store.writeBool(value.name, values.*member); }
        void operator()(TipField field) const
        {
            store.writeString(value.name, values.tips[size_t(field.row - 1)][size_t(field.slot)]);
        }
        void operator()(LockField field) const { store.writeBool(value.name, values.locks[size_t(field.row - 1)]); }
    };
    std::visit(Writer{store, value, values}, value.field);
}

const Value &entry(const QString &name)
{
    for (const Value &value : table())
        if (value.name == name)
            return value;
    qFatal("no stored window value %s", qPrintable(name));
}
} // namespace

StoredMainWindow MainWindowSettings::read(const SettingsStore &store)
{
    StoredMainWindow stored{GenerationSettingsStore::read(store), {}};
    MainWindowValues &values = stored.values;
    // Which groups already failed; the generation options open the first two.
    bool firstFailed = !stored.options.checkGroupComplete;
    bool secondFailed = !stored.options.spinGroupComplete;
    bool thirdFailed = false;
    int height = 0;
    for (const Value &value : table()) {
        bool *failed = value.group == Group::First ? &firstFailed
            : value.group == Group::Second         ? &secondFailed
            : value.group == Group::Third          ? &thirdFailed
                                                   : nullptr;
        // The language is applied only when the first group got this far.
        if (value.name == QLatin1String("Sprache"))
            values.language = firstFailed ? 0 : 2;
        if (failed && *failed)
            continue;
        MainWindowValues scratch = values;
        if (!readValue(store, value, scratch)) {
            if (failed)
                *failed = true;
            continue;
        }
        // The size goes in only when both halves were read.
        if (value.name == QLatin1String("height")) {
            height = scratch.height;
        } else if (value.name == QLatin1String("width")) {
            values.height = height;
            values.width = scratch.width;
        } else {
            values = scratch;
        }
    }
    values.connection = StoredConnection::read(store);

    const auto start = store.readDate(QStringLiteral("DateTimePicker2"));
    values.statisticsStart
        = start && start->has_value() && start->value().isValid() ? **start : Game::firstFormatDraw();
    if (values.statisticsStart > Clock::today().addDays(-7) || values.statisticsStart < Game::firstFormatDraw())
        values.statisticsStart = Game::firstFormatDraw();
    return stored;
}

void MainWindowSettings::write(
    SettingsStore &store, const GenerationSettings &options, const MainWindowValues &values, bool sizeToo)
{
    const auto one = [&](const char *name) { writeValue(store, entry(QString::fromLatin1(name)), values); };
    one("NeuerSchein");
    GenerationSettingsStore::writeChoices(store, options);
    if (sizeToo) {
        one("height");
        one("width");
    }
    one("Sprache");
    one("TippTop");
    one("TippLeft");
    GenerationSettingsStore::writeSpins(store, options);
    for (const Value &value : table())
        if (std::holds_alternative<TipField>(value.field) || std::holds_alternative<LockField>(value.field))
            writeValue(store, value, values);
    one("ZWEIPREIS");
    one("EINPREIS");
    one("Browser");
    values.connection.write(store);
    store.writeDate(QStringLiteral("DateTimePicker2"), values.statisticsStart);
    one("Land");
}
