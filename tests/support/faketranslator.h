// A translation installed for the length of a test, from a table of
// "context|source" -> translation, so that a test can see which texts go
// through Qt's translation functions without a .qm file.
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

namespace tzk::test {

class FakeTranslator : public QTranslator
{
public:
    explicit FakeTranslator(QHash<QString, QString> table)
        : m_table(std::move(table))
    {
        QCoreApplication::installTranslator(this);
    }
    ~FakeTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return m_table.value(QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source));
    }

private:
    QHash<QString, QString> m_table;
};

} // namespace tzk::test
