#pragma once

#include <QString>
#include <stdexcept>

// An error that a command raises for the default error box to show.
class VkError : public std::runtime_error {
public:
    explicit VkError(const QString &message);
    const QString &Message() const { return message_; }

private:
    QString message_;
};
