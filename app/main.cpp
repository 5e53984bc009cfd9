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
    navigation::show(prepared.firstPage);
    // After the journal: the sender sends what the journal writes. Its thread and the class
    // record's driver wait for the first frame.
    road::afterFirstFrame([] { record::startSender(qApp); });
    return QApplication::exec();
}
