#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Charts for the animal register tests: header lines of an animal of farmer 00010001 and
// episodes built from the chart model's empty block.
namespace KotaiFixture {

QString noukaLine();
QString kotaiLine(const QString& key, const QString& mimi, const QString& syurui = QStringLiteral("成乳牛"),
                  const QString& tokutyo = QString());
// The header lines and the given number of episodes, one line of each holding a code-page
// duplicate code (NEC row) so that a byte-exact rewrite shows.
QByteArray chartBytes(const QString& key, const QString& mimi, int episodes,
                      const QString& syurui = QStringLiteral("成乳牛"), const QString& tokutyo = QString());
QByteArray writeChart(const QString& localPath, const QString& key, const QString& mimi, int episodes = 1,
                      const QString& syurui = QStringLiteral("成乳牛"), const QString& tokutyo = QString());

}
