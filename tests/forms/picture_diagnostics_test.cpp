// What the quarn.layout logging category reports about pictures a form asks
// for and cannot get.

#include "core/construction/images.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList g_lines;

void collect(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "quarn.layout") == 0)
        g_lines.append(text);
}

class PictureDiagnostics : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_lines.clear();
        m_previous = qInstallMessageHandler(collect);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }

private:
    QtMessageHandler m_previous = nullptr;
};

TEST_F(PictureDiagnostics, AMissingPictureIsReportedOncePerPathWhenAskedFor)
{
    EXPECT_TRUE(quarn::image(":/quarn-test/quiet.mif").isNull());
    EXPECT_TRUE(g_lines.isEmpty()) << "off by default";

    QLoggingCategory::setFilterRules(QStringLiteral("quarn.*=true"));
    for (int build = 0; build < 3; ++build) {
        EXPECT_TRUE(quarn::image(":/quarn-test/first.mif").isNull());
        EXPECT_TRUE(quarn::image(":/quarn-test/second.mif").isNull());
        quarn::toggleIcon(":/quarn-test/off.mif", ":/quarn-test/on.mif");
    }
    // A path met while the category was off is still reported once it is on.
    EXPECT_TRUE(quarn::image(":/quarn-test/quiet.mif").isNull());

    ASSERT_EQ(g_lines.size(), 5) << g_lines.join('\n').toStdString();
    const char *const paths[] = {":/quarn-test/first.mif", ":/quarn-test/second.mif", ":/quarn-test/off.mif",
                                 ":/quarn-test/on.mif", ":/quarn-test/quiet.mif"};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(g_lines[i].contains(QLatin1String(paths[i]))) << g_lines[i].toStdString();
}

TEST_F(PictureDiagnostics, AnUnreadableFileIsReportedWithTheReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("not-a-picture.png"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("text, not a picture\n");
    file.close();

    QLoggingCategory::setFilterRules(QStringLiteral("quarn.layout.info=true"));
    EXPECT_TRUE(quarn::image(path.toUtf8().constData()).isNull());
    ASSERT_EQ(g_lines.size(), 1);
    EXPECT_TRUE(g_lines[0].contains(path)) << g_lines[0].toStdString();
    EXPECT_GT(g_lines[0].size(), path.size() + 15) << "names why: " << g_lines[0].toStdString();
}

} // namespace
