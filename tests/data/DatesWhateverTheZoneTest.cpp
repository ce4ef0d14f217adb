// Date-times read, compared and written as the wall-clock value stored, on a
// machine whose time zone skips that very time, by both roads to the company.

#include "platform/data/Recordset.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/MachineZone.h"
#include "support/PlainSqlite.h"
#include "support/Roads.h"

#include <optional>

using namespace zav;
using namespace zav::test;

namespace {

// What a value holds: a date-time as its date and time read, anything else
// by its kind, so that a date left as text or an invalid one shows.
QString held(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("null");
    if (value.metaType().id() != QMetaType::QDateTime)
        return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(value.typeName()), value.toString());
    const QDateTime dt = value.toDateTime();
    if (!dt.isValid())
        return QStringLiteral("invalid");
    return dt.date().toString(u"yyyy-MM-dd") + u' ' + dt.time().toString(u"HH:mm:ss.zzz");
}

QString held(const QDate& day, const QTime& time, int secondsLater = 0)
{
    return held(QVariant(QDateTime(day, time, Qt::UTC).addSecs(secondsLater)));
}

std::string listed(const QStringList& values)
{
    return values.join(QStringLiteral(" | ")).toStdString();
}

class InSkippingZone {
protected:
    // Qt must really take the zone, or the test proves nothing.
    void enter(const SkippedTime& skipped)
    {
        zone_.emplace(skipped.zone);
        ASSERT_TRUE(MachineZone::skips(skipped)) << skipped.zone << " does not skip " << skipped.stored().toStdString();
    }

private:
    std::optional<MachineZone> zone_;
};

// Rows: 1 the skipped time; 2 and 3 it with a fraction of a second; 4 its day
// alone; 5 an hour before; 6 an hour after; 7 no date.
class DatesWhateverTheZone : public ::testing::TestWithParam<std::tuple<Road, SkippedTime>>, protected InSkippingZone {
protected:
    void SetUp() override
    {
        const auto& [road, skip] = GetParam();
        skipped = skip;
        const QString at = skipped.stored();
        const auto hoursFrom = [&](int hours) {
            return QDateTime(skipped.day, skipped.time, Qt::UTC).addSecs(hours * 3600).toString(u"yyyy-MM-dd HH:mm:ss");
        };
        file.exec({"CREATE TABLE [dbo].[Docs]( [Numero] [int] NOT NULL PRIMARY KEY, [Data] [datetime] NULL,"
                   " [Entrega] [datetime] NULL)",
                   QStringLiteral("insert into Docs values (1, '%1', NULL), (2, '%1.5', NULL), (3, '%1.250', NULL),"
                                  " (4, '%2', NULL), (5, '%3', NULL), (6, '%4', NULL), (7, NULL, NULL)")
                       .arg(at, skipped.day.toString(u"yyyy-MM-dd"), hoursFrom(-1), hoursFrom(1))});
        file.bd().FechaLigacao();
        enter(skipped);
        bd.AbreLigacao(connectionStringFor(file, road));
    }

    std::string numbers(Recordset& rs)
    {
        QStringList all;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            all << rs.Fields(QStringLiteral("Numero")).text();
        return all.join(u' ').toStdString();
    }

    SkippedTime skipped{};
    TempDatabase file;
    zavCoreDataAccess2016 bd;
};

TEST_P(DatesWhateverTheZone, EveryStoredLayoutReadsAsTheDateAndTimeStored)
{
    const RecordsetPtr rs = bd.AbreRecordset(QString(), "select Numero, Data from Docs order by Numero");
    QStringList values, texts;
    for (; !rs->Eof(); rs->MoveNext()) {
        values << held(rs->Fields(QStringLiteral("Data")).value());
        texts << rs->Fields(QStringLiteral("Data")).text();
    }
    const QDate day = skipped.day;
    const QTime at = skipped.time;
    EXPECT_EQ(listed(values), listed({held(day, at), held(day, at.addMSecs(500)), held(day, at.addMSecs(250)),
                                      held(day, QTime(0, 0)), held(day, at, -3600), held(day, at, 3600), "null"}));
    EXPECT_EQ(texts.first().toStdString(), (at == QTime(0, 0) ? day.toString(u"yyyy-MM-dd") : skipped.stored()).toStdString())
        << "shown as the program shows a date";
}

TEST_P(DatesWhateverTheZone, FiltersAndSortsCompareTheValuesStored)
{
    const RecordsetPtr rs = bd.AbreRecordset(QString(), "select Numero, Data from Docs");
    const bool atMidnight = skipped.time == QTime(0, 0); // then the day alone is the same time
    rs->setFilter("Data = #" + skipped.stored() + "#");
    EXPECT_EQ(numbers(*rs), atMidnight ? "1 4" : "1");
    rs->setFilter("Data > #" + skipped.stored() + "#");
    EXPECT_EQ(numbers(*rs), "2 3 6");
    rs->setFilter(QString());
    rs->setSort("Data DESC, Numero");
    EXPECT_EQ(numbers(*rs), atMidnight ? "6 2 3 1 4 5 7" : "6 2 3 1 5 4 7");
}

// A record confirmed as it was read writes what it read, and a date-time that
// the machine's zone skips, given as a caller builds one, is written as it reads.
TEST_P(DatesWhateverTheZone, AValueReadWritesBackAsItWasAndOneGivenAsItReads)
{
    for (const char* numero : {"1", "3"}) {
        const RecordsetPtr rs = bd.AbreRecordsetEdicao(QStringLiteral("select * from Docs where Numero=%1").arg(numero));
        rs->Fields(QStringLiteral("Data")) = rs->Fields(QStringLiteral("Data")).value();
        rs->Fields(QStringLiteral("Entrega")) = QDateTime(skipped.day, skipped.time);
        rs->Update();
    }
    const RecordsetPtr back = bd.AbreRecordset(QString(), "select Data, Entrega from Docs where Numero in (1, 3) order by Numero");
    QStringList values;
    for (; !back->Eof(); back->MoveNext())
        values << held(back->Fields(0).value()) + u'|' + held(back->Fields(1).value());
    const QString at = held(skipped.day, skipped.time);
    EXPECT_EQ(listed(values), listed({at + u'|' + at, held(skipped.day, skipped.time.addMSecs(250)) + u'|' + at}));

    if (std::get<Road>(GetParam()) == Road::Sqlite) {
        PlainSqlite stored(file.path());
        EXPECT_EQ(stored.text("select Data || '|' || Entrega from Docs where Numero = 1").toStdString(),
                  (skipped.stored() + u'|' + skipped.stored()).toStdString());
        EXPECT_EQ(stored.text("select Data || '|' || Entrega from Docs where Numero = 3").toStdString(),
                  (skipped.stored() + ".250|" + skipped.stored()).toStdString());
    }
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Road, SkippedTime>>& info)
{
    return roadName({std::get<Road>(info.param), info.index})
        + (std::get<SkippedTime>(info.param).day == SaoPauloMidnight.day ? "SaoPaulo" : "Lisbon");
}

INSTANTIATE_TEST_SUITE_P(BothRoads, DatesWhateverTheZone,
                         ::testing::Combine(::testing::Values(Road::Sqlite, Road::Odbc), ::testing::ValuesIn(SkippedTimes)),
                         caseName);

// Texts in the other layouts a date may come in, and dates and date-times in
// the machine's own zone, assigned to a date field.
class TextDatesWhateverTheZone : public ::testing::TestWithParam<SkippedTime>, protected InSkippingZone {
protected:
    void SetUp() override { enter(GetParam()); }
};

TEST_P(TextDatesWhateverTheZone, OtherLayoutsAndTheMachinesOwnDateTimesHoldTheDateAndTimeTheyRead)
{
    const SkippedTime& skipped = GetParam();
    Recordset rs;
    rs.appendField(QStringLiteral("Data"), FieldType::DateTime);
    rs.open();
    rs.AddNew();
    const auto assigned = [&](const QString& text) {
        rs.Fields(0) = text;
        return held(rs.Fields(0).value()).toStdString();
    };
    const QString time = skipped.time.toString(u"HH:mm:ss");
    const std::string atTime = held(skipped.day, skipped.time).toStdString();
    const std::string atMidnight = held(skipped.day, QTime(0, 0)).toStdString();
    EXPECT_EQ(assigned(skipped.day.toString(u"yyyy-MM-dd") + u'T' + time), atTime);
    EXPECT_EQ(assigned(skipped.day.toString(u"dd-MM-yyyy") + u' ' + time), atTime);
    EXPECT_EQ(assigned(u' ' + skipped.stored() + u' '), atTime);
    EXPECT_EQ(assigned(skipped.day.toString(u"dd-MM-yyyy")), atMidnight);
    EXPECT_EQ(assigned(skipped.day.toString(u"M/d/yyyy")), atMidnight);
    rs.Fields(0) = QDate(skipped.day);
    EXPECT_EQ(held(rs.Fields(0).value()).toStdString(), atMidnight);
    rs.Fields(0) = QDateTime(skipped.day, skipped.time);
    EXPECT_EQ(held(rs.Fields(0).value()).toStdString(), atTime) << "held valid, to compare with the values read";
}

INSTANTIATE_TEST_SUITE_P(SkippingZones, TextDatesWhateverTheZone, ::testing::ValuesIn(SkippedTimes),
                         [](const auto& info) { return info.index == 0 ? std::string("SaoPaulo") : std::string("Lisbon"); });

} // namespace
