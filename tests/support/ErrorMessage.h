#pragma once

#include "model/platform/VkError.h"

#include <QString>
#include <functional>

// The message of the error the call raises; empty when it raises none.
inline QString ErrorMessageOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const VkError &error) {
        return error.Message();
    }
    return {};
}
