#pragma once

#include <QString>
#include <functional>

namespace zav {

// The text of a group heading, from an expression such as
//   ' Total Quant = ' & Format((GroupCalc(1) ),'Standard') & '  '
// Terms: 'quoted text' (a doubled quote stands for one), numbers,
// GroupCalc(n), Format(term, 'format') and parentheses; joined with &.
// A text it cannot read raises zav::RuntimeError (InvalidArgument).
class GroupExpression {
public:
    using GroupCalc = std::function<double(int)>;  // 1-based calculation number

    explicit GroupExpression(QString text);
    QString evaluate(const GroupCalc& groupCalc) const;
    // Reads the whole text once, so a mistake shows when the grid is configured.
    void validate() const;

private:
    QString text_;
};

} // namespace zav
