#pragma once
// A failure an operation does not handle itself; the application-wide handler reports it.

#include <QString>

#include <stdexcept>

class AppError : public std::runtime_error {
  public:
    explicit AppError(const QString& message) : std::runtime_error(message.toStdString()), text(message) {}
    QString message() const { return text; }

  private:
    QString text;
};
