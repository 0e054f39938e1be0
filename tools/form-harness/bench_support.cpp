#include "bench_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace quarn::harness {

qint64 timeOnce(const std::function<void()> &build)
{
    QElapsedTimer timer;
    timer.start();
    build();
    return timer.nsecsElapsed();
}

qint64 median(std::vector<qint64> times)
{
    if (times.empty())
        return 0;
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

QVector<QString> floorNames(int fieldCount)
{
    QVector<QString> names(fieldCount);
    for (int i = 0; i < fieldCount; ++i)
        names[i] = QStringLiteral("field%1").arg(i);
    return names;
}

void buildFloor(const QVector<QString> &names)
{
    auto root = std::make_unique<QWidget>();
    for (const QString &name : names) {
        auto *widget = new QWidget(root.get());
        widget->setObjectName(name);
        widget->setGeometry(4, 4, 40, 20);
    }
}

void buildUicForm(const UicReferenceForm &form)
{
    auto root = std::make_unique<QWidget>();
    form.build(root.get());
}

void paintFirstFrame(QWidget &root)
{
    root.grab();
}

void frameUicForm(const UicReferenceForm &form)
{
    auto root = std::make_unique<QWidget>();
    form.build(root.get());
    paintFirstFrame(*root);
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    bool ok = false;
    const qint64 resident = pages.size() > 1 ? pages.at(1).toLongLong(&ok) : 0;
    return ok ? resident * sysconf(_SC_PAGESIZE) : -1;
}

qint64 strippedSize(const QString &path)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !QFileInfo::exists(path))
        return -1;
    const QString stripped = dir.filePath(QStringLiteral("stripped"));
    QProcess strip;
    strip.start(QStringLiteral("strip"), {QStringLiteral("-o"), stripped, path});
    if (!strip.waitForFinished(60000) || strip.exitStatus() != QProcess::NormalExit || strip.exitCode() != 0)
        return -1;
    return QFileInfo(stripped).size();
}

UicFormsLibrary::UicFormsLibrary(const QString &path)
    : m_library(path)
{
    if (QFileInfo::exists(path))
        m_forms = uicFormsOf(m_library);
}

const UicReferenceForm *UicFormsLibrary::find(const char *name) const
{
    for (int i = 0; i < count(); ++i) {
        if (qstrcmp(m_forms->forms[i].name, name) == 0)
            return &m_forms->forms[i];
    }
    return nullptr;
}

} // namespace quarn::harness
