// Every input of the fuzz corpus through the reader, so the corpus also runs under the sanitizers.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "../fuzz/forecast_file_properties.h"
#include "../fuzz/system_file_properties.h"

namespace {

QString corpusDir() {
    // tests/io/<this file> -> fuzz/corpus
    return QDir(QFileInfo(QString::fromUtf8(__FILE__)).absolutePath())
        .filePath(QStringLiteral("../../fuzz/corpus"));
}

TEST(FuzzCorpus, EveryInputKeepsTheReaderProperties) {
    const QDir dir(corpusDir());
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 10) << dir.absolutePath().toStdString();
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        const std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
        EXPECT_EQ(fuzzcheck::checkBytes(view), "") << name.toStdString();
        EXPECT_EQ(fuzzcheck::checkForecastBytes(view), "") << name.toStdString();
    }
}

}  // namespace
