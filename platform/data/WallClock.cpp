#include "platform/data/WallClock.h"

#include <cstdio>

namespace zav::wallclock {

namespace {

// The positions of 'yyyy-mm-dd hh:mm:ss.fff'.
constexpr qsizetype DateLength = 10;
constexpr qsizetype SecondsLength = 19;
constexpr qsizetype LongestLength = 23;

template <typename Char>
class FixedLayout {
public:
    FixedLayout(const Char* text, qsizetype size) : text_(text), size_(size) {}

    QDateTime read() const
    {
        if (size_ != DateLength && (size_ < SecondsLength || size_ > LongestLength || size_ == SecondsLength + 1))
            return {};
        int year = 0, month = 0, day = 0;
        if (!number(0, 4, year) || !is(4, '-') || !number(5, 2, month) || !is(7, '-') || !number(8, 2, day))
            return {};
        const QDate date(year, month, day);
        if (!date.isValid())
            return {};
        if (size_ == DateLength)
            return of(date);
        int hour = 0, minute = 0, second = 0;
        if (!is(10, ' ') || !number(11, 2, hour) || !is(13, ':') || !number(14, 2, minute) || !is(16, ':')
            || !number(17, 2, second))
            return {};
        int milliseconds = 0;
        if (size_ > SecondsLength) {
            int fraction = 0;
            const int digits = int(size_ - SecondsLength - 1);
            if (!is(SecondsLength, '.') || !number(SecondsLength + 1, digits, fraction))
                return {};
            milliseconds = fraction * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
        }
        const QTime time(hour, minute, second, milliseconds);
        return time.isValid() ? of(date, time) : QDateTime();
    }

private:
    bool is(qsizetype at, char c) const { return text_[at] == Char(c); }

    bool number(qsizetype at, int digits, int& value) const
    {
        value = 0;
        for (qsizetype i = at; i < at + digits; ++i) {
            if (text_[i] < Char('0') || text_[i] > Char('9'))
                return false;
            value = value * 10 + int(text_[i] - Char('0'));
        }
        return true;
    }

    const Char* text_;
    qsizetype size_;
};

} // namespace

QDateTime of(QDate day, QTime time)
{
    return QDateTime(day, time, Qt::UTC);
}

QDateTime of(const QDateTime& value)
{
    return value.timeSpec() == Qt::UTC ? value : of(value.date(), value.time());
}

QDateTime fromText(QStringView text)
{
    return FixedLayout<char16_t>(text.utf16(), text.size()).read();
}

QDateTime fromText(QByteArrayView utf8)
{
    return FixedLayout<char>(utf8.data(), utf8.size()).read();
}

QString text(const QDateTime& value)
{
    const QDate d = value.date();
    const QTime t = value.time();
    if (!d.isValid())
        return {};
    char written[32];
    int size = std::snprintf(written, sizeof written, "%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(),
                             t.hour(), t.minute(), t.second());
    if (t.msec() != 0)
        size += std::snprintf(written + size, sizeof written - size_t(size), ".%03d", t.msec());
    return QString::fromLatin1(written, size);
}

} // namespace zav::wallclock
