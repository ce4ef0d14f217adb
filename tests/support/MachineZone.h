#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <ctime>
#include <ostream>

namespace zav::test {

// A date and time that a zone's clocks jumped over when daylight saving began.
struct SkippedTime {
    const char* zone;
    QDate day;
    QTime time;

    // As the company database stores it, and as the screens show its day.
    QString stored() const { return day.toString(u"yyyy-MM-dd") + u' ' + time.toString(u"HH:mm:ss"); }
    QString shown() const { return day.toString(u"dd-MM-yyyy"); }
};

// Brazil's clocks went from 23:59:59 on 3 November 2018 to 01:00 on the 4th;
// Portugal's go from 00:59:59 to 02:00 on 29 March 2026.
inline const SkippedTime SaoPauloMidnight{"America/Sao_Paulo", QDate(2018, 11, 4), QTime(0, 0)};
inline const SkippedTime LisbonSpringForward{"Europe/Lisbon", QDate(2026, 3, 29), QTime(1, 30)};
inline const SkippedTime SkippedTimes[] = {SaoPauloMidnight, LisbonSpringForward};

inline void PrintTo(const SkippedTime& skipped, std::ostream* out)
{
    *out << skipped.zone << ' ' << skipped.stored().toStdString();
}

// The machine's time zone for as long as it lives: TZ, which the C library's
// local time and so Qt's follow at once, then back to what it was.
class MachineZone {
public:
    explicit MachineZone(const char* zone) : hadOne_(qEnvironmentVariableIsSet("TZ")), before_(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~MachineZone()
    {
        if (hadOne_)
            qputenv("TZ", before_);
        else
            qunsetenv("TZ");
        tzset();
    }
    MachineZone(const MachineZone&) = delete;
    MachineZone& operator=(const MachineZone&) = delete;

    // Whether the machine's local time really skips it: without the zone's
    // data a test would meet no skipped time and prove nothing.
    static bool skips(const SkippedTime& skipped) { return !QDateTime(skipped.day, skipped.time).isValid(); }

private:
    bool hadOne_;
    QByteArray before_;
};

} // namespace zav::test
