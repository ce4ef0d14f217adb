#pragma once

#include "platform/data/RuntimeError.h"

#include <utility>

namespace zav::test {

// The number of the zav::RuntimeError that `action` raises, or 0 when it raises none.
template <typename Action>
quint32 errorNumberOf(Action&& action)
{
    try {
        std::forward<Action>(action)();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace zav::test
