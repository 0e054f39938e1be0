#include "core/layout_registry.h"
#include "core/platform/module.h"
#include "tests/registry/test_form.h"
#include "tests/registry/test_paths.h"

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Message {
    QtMsgType type;
    QString category;
    QString text;
};

QList<Message> g_messages;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_messages.append({type, QString::fromUtf8(context.category), text});
}

// Collects what the registry logs under the given rules, the defaults when empty.
class RegistryDiagnostics : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_messages.clear();
        m_previous = qInstallMessageHandler(collect);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }

    static QList<Message> registryMessages()
    {
        QList<Message> messages;
        for (const Message &message : g_messages) {
            if (message.category == QLatin1String("quarn.registry"))
                messages.append(message);
        }
        return messages;
    }

    LayoutRegistry m_registry;

private:
    QtMessageHandler m_previous = nullptr;
};

TEST_F(RegistryDiagnostics, NullArgumentsAreWarnedAboutByDefault)
{
    TestForm form;
    m_registry.registerLayout(nullptr, &form);
    m_registry.registerLayout("PinClass", nullptr);
    m_registry.unregisterLayout(nullptr, &form);
    m_registry.findLayout(nullptr);
    m_registry.loadLibrary(nullptr);
    m_registry.loadLibrary(L"");
    m_registry.unloadLibrary(nullptr);
    m_registry.releaseLibraryIfMarked(nullptr);
    m_registry.forgetLibrary(nullptr);

    const QList<Message> messages = registryMessages();
    ASSERT_EQ(messages.size(), 9);
    const QStringList calls = {"registerLayout", "registerLayout", "unregisterLayout", "findLayout",
                               "loadLibrary",    "loadLibrary",    "unloadLibrary",    "releaseLibraryIfMarked",
                               "forgetLibrary"};
    for (int i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(messages[i].type, QtWarningMsg);
        EXPECT_TRUE(messages[i].text.contains(calls[i])) << messages[i].text.toStdString();
    }

    g_messages.clear();
    m_registry.registerLayout("PinClass", &form);
    m_registry.findLayout("PinClass");
    m_registry.unregisterLayout("PinClass", &form);
    EXPECT_TRUE(registryMessages().isEmpty()) << "calls with every argument log nothing";
}

TEST_F(RegistryDiagnostics, FailedLoadsAreQuietByDefault)
{
    EXPECT_FALSE(m_registry.loadLibrary(L"/nowhere/quarn-missing.so"));
    EXPECT_FALSE(m_registry.loadLibrary(kModuleWithoutRegister));
    EXPECT_TRUE(registryMessages().isEmpty());
}

TEST_F(RegistryDiagnostics, FailedLoadsNameTheModuleAndTheReason)
{
    QLoggingCategory::setFilterRules(QStringLiteral("quarn.*=true"));

    EXPECT_FALSE(m_registry.loadLibrary(L"/nowhere/quarn-missing.so"));
    const QString missingReason = QString::fromStdString(quarn::platform::lastModuleError());
    EXPECT_FALSE(m_registry.loadLibrary(kModuleWithoutRegister));
    EXPECT_FALSE(m_registry.loadLibrary(kNotALibrary));
    ASSERT_TRUE(m_registry.loadLibrary(kGoodModule)) << quarn::platform::lastModuleError();
    EXPECT_TRUE(m_registry.unloadLibrary(kGoodModule));

    const QList<Message> messages = registryMessages();
    ASSERT_EQ(messages.size(), 3) << "a successful load logs nothing";
    EXPECT_TRUE(messages[0].text.contains("/nowhere/quarn-missing.so")) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.endsWith(missingReason)) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[1].text.contains(QString::fromWCharArray(kModuleWithoutRegister)));
    EXPECT_TRUE(messages[1].text.contains("RegisterLayout")) << messages[1].text.toStdString();
    EXPECT_TRUE(messages[2].text.contains(QString::fromWCharArray(kNotALibrary)));
    for (const Message &message : messages)
        EXPECT_EQ(message.type, QtInfoMsg);
}

} // namespace
