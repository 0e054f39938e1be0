// A screen's first frame: building it decodes no picture, painting it decodes
// the pictures it shows, each once, and asking a control for a picture decodes
// that one; an icon is made of the pictures decoded for it.

#include "core/construction/images.h"
#include "form_harness.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QLoggingCategory>
#include <QMetaProperty>
#include <QPixmapCache>
#include <QResource>
#include <gtest/gtest.h>

namespace {

QStringList g_decoded;

void collectDecodes(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "quarn.layout") == 0 && text.startsWith(QLatin1String("Decoded ")))
        g_decoded.append(text.mid(8));
}

// Counts the pictures image() decodes, through its debug messages.
class Decodes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_decoded.clear();
        QPixmapCache::clear();
        m_previous = qInstallMessageHandler(collectDecodes);
        QLoggingCategory::setFilterRules(QStringLiteral("quarn.layout.debug=true"));
    }
    void TearDown() override
    {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(m_previous);
    }

    static bool placeholdersRegistered()
    {
        static const bool registered =
            QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/placeholders.rcc"));
        return registered && QFile::exists(QStringLiteral(":/Buttons/b_ToggleButton.mif"));
    }

private:
    QtMessageHandler m_previous = nullptr;
};

// Every picture the form's controls hold, read as a dump reads them.
int readEveryPicture(QWidget *root)
{
    int pictures = 0;
    for (QObject *object : root->findChildren<QObject *>()) {
        const QMetaObject *meta = object->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QVariant value = meta->property(i).read(object);
            if (value.userType() == QMetaType::QPixmap && !value.value<QPixmap>().isNull())
                ++pictures;
        }
    }
    return pictures;
}

TEST_F(Decodes, AScreenDecodesWhatItShowsWhenPaintedAndEachPictureOnce)
{
    if (!placeholdersRegistered())
        GTEST_SKIP() << "placeholders.rcc is not built beside the tests";
    BuiltForm built = buildForm(catalogued("MainMenuScreenClass"), true);
    EXPECT_TRUE(g_decoded.isEmpty()) << g_decoded.join(' ').toStdString();

    built.root()->grab();
    const QStringList shown = g_decoded;
    EXPECT_FALSE(shown.isEmpty());
    built.root()->grab();
    EXPECT_EQ(g_decoded, shown) << "a second frame decodes nothing";

    const int pictures = readEveryPicture(built.root());
    EXPECT_GT(g_decoded.size(), shown.size()) << "pressed faces are not shown, so not decoded before asked for";
    QStringList distinct = g_decoded;
    EXPECT_EQ(distinct.removeDuplicates(), 0) << "no picture decoded twice";
    EXPECT_LE(g_decoded.size(), pictures);
    const int decoded = g_decoded.size();
    readEveryPicture(built.root());
    EXPECT_EQ(g_decoded.size(), decoded) << "a control keeps what it decoded";
}

TEST_F(Decodes, ADecodedScreenBuiltAgainDecodesNothing)
{
    if (!placeholdersRegistered())
        GTEST_SKIP() << "placeholders.rcc is not built beside the tests";
    {
        BuiltForm first = buildForm(catalogued("MainMenuScreenClass"), true);
        first.root()->grab();
    }
    const int decoded = g_decoded.size();
    BuiltForm second = buildForm(catalogued("MainMenuScreenClass"), true);
    second.root()->grab();
    EXPECT_EQ(g_decoded.size(), decoded);
}

TEST_F(Decodes, AToggleIconIsMadeOfThePicturesDecodedForIt)
{
    if (!placeholdersRegistered())
        GTEST_SKIP() << "placeholders.rcc is not built beside the tests";
    const char *off = ":/Buttons/b_ToggleButton.mif";
    const char *on = ":/Buttons/b_ToggleButton_h.mif";
    const QIcon icon = quarn::toggleIcon(off, on);
    EXPECT_EQ(g_decoded, (QStringList{QLatin1String(off), QLatin1String(on)}));
    const QPixmap offPicture = quarn::image(off);
    const QSize size = offPicture.size();
    EXPECT_EQ(icon.pixmap(size, QIcon::Normal, QIcon::Off).cacheKey(), offPicture.cacheKey());
    EXPECT_EQ(icon.pixmap(size, QIcon::Normal, QIcon::On).cacheKey(), quarn::image(on).cacheKey());
    EXPECT_EQ(g_decoded.size(), 2);
}

} // namespace
