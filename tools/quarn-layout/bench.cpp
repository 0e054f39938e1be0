#include "bench.h"

#include "form_host.h"
#include "preview_root.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <memory>
#include <vector>

namespace quarn::layouttool {

namespace {

// The median of the runs: the machine is shared, and a median shrugs off the
// runs another process got in the way of.
template <typename Build>
qint64 medianTime(int repeat, Build build)
{
    std::vector<qint64> times(std::size_t(repeat), 0);
    QElapsedTimer timer;
    for (qint64 &time : times) {
        timer.start();
        build();
        time = timer.nsecsElapsed();
    }
    std::nth_element(times.begin(), times.begin() + repeat / 2, times.end());
    return times[std::size_t(repeat / 2)];
}

qint64 timeForm(const FormLayout &form, const CatalogueIndexEntry &entry, int repeat)
{
    return medianTime(repeat, [&] { BuiltForm built(form, entry); });
}

qint64 timeFloor(int fieldCount, int repeat)
{
    QVector<QString> names(fieldCount);
    for (int i = 0; i < fieldCount; ++i)
        names[i] = QStringLiteral("field%1").arg(i);
    return medianTime(repeat, [&] {
        auto root = std::make_unique<PreviewRoot>();
        for (const QString &name : qAsConst(names)) {
            auto *widget = new QWidget(root.get());
            widget->setObjectName(name);
            widget->setGeometry(4, 4, 40, 20);
        }
    });
}

QString micros(qint64 nanoseconds)
{
    return QString::number(double(nanoseconds) / 1000.0, 'f', 1);
}

QString ratio(qint64 form, qint64 floor)
{
    return floor > 0 ? QString::number(double(form) / double(floor), 'f', 1) : QStringLiteral("-");
}

} // namespace

void runBench(LayoutModule &module, int repeat, QTextStream &out)
{
    out << qSetFieldWidth(44) << Qt::left << "form" << qSetFieldWidth(8) << Qt::right << "fields"
        << qSetFieldWidth(12) << "build us" << "floor us" << qSetFieldWidth(8) << "ratio" << qSetFieldWidth(0)
        << '\n';
    qint64 totalForm = 0;
    qint64 totalFloor = 0;
    int measured = 0;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const FormLayout *form = module.find(QString::fromLatin1(entry.name));
        if (!form) {
            out << qSetFieldWidth(44) << Qt::left << entry.name << qSetFieldWidth(0) << "not registered\n";
            continue;
        }
        { BuiltForm warmUp(*form, entry); }
        const qint64 formTime = timeForm(*form, entry, repeat);
        const qint64 floorTime = timeFloor(entry.fieldCount, repeat);
        totalForm += formTime;
        totalFloor += floorTime;
        ++measured;
        out << qSetFieldWidth(44) << Qt::left << entry.name << qSetFieldWidth(8) << Qt::right << entry.fieldCount
            << qSetFieldWidth(12) << micros(formTime) << micros(floorTime) << qSetFieldWidth(8)
            << ratio(formTime, floorTime) << qSetFieldWidth(0) << '\n';
        out.flush();
    }
    out << qSetFieldWidth(44) << Qt::left << QStringLiteral("total (%1 forms, median of %2)").arg(measured).arg(repeat)
        << qSetFieldWidth(8) << "" << qSetFieldWidth(12) << Qt::right << micros(totalForm)
        << micros(totalFloor) << qSetFieldWidth(8) << ratio(totalForm, totalFloor) << qSetFieldWidth(0)
        << '\n';
}

} // namespace quarn::layouttool
