#include "navigation.h"
#include "road.h"
#include "sender.h"
#include "startup.h"

#include <QApplication>
#include <optional>

int main(int argc, char** argv)
{
    const startup::Prepared prepared = startup::prepare(argc, argv);
    if (prepared.exitStatus)
        return *prepared.exitStatus;
    std::optional<startup::DisplayWatch> watch(std::in_place, prepared.unreachable);
    QApplication app(argc, argv);
    watch.reset();
    road::startApplication();
    road::startRecord(prepared.record);
    // After the journal: the sender sends what the journal writes.
    record::startSender(qApp);
    navigation::show(prepared.firstPage);
    return QApplication::exec();
}
