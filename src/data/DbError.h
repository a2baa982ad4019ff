#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A failure that carries the description the operator is shown.
class DescribedError : public std::exception {
public:
    explicit DescribedError(QString description)
        : description_(std::move(description)), utf8_(description_.toUtf8()) {}
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString description_;
    QByteArray utf8_;
};

// A failure of the data layer; its description is what the trapped-failure messages show. The statement
// that failed, where there was one, goes only to the failure log.
class DbError : public DescribedError {
public:
    explicit DbError(QString description, QString statement = {})
        : DescribedError(std::move(description)), statement_(std::move(statement)) {}
    const QString& statement() const { return statement_; }

private:
    QString statement_;
};
