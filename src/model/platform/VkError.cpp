#include "model/platform/VkError.h"

VkError::VkError(const QString &message) : std::runtime_error(message.toStdString()), message_(message)
{
}
