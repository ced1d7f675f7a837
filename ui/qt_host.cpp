#include "ui/qt_host.h"

#include <QCoreApplication>

#include "records/statistics.h"
#include "ui/dialogs/dialog_host.h"
#include "ui/main_window.h"

namespace kelmira {

void QtHost::traceLine(std::string_view line) { w_.addTraceLine(line); }

void QtHost::internalFault(std::string_view message) { w_.reportInternalFault(message); }

void QtHost::course(const CourseEvent& event) { w_.addCourse(event); }

void QtHost::refresh(Refresh what, int player) { w_.refresh(what, player); }

bool QtHost::askCamelDefence(int region, int souk, int field) {
    const Souk& s = w_.game().s.souk(region, souk);
    (void)field;
    return w_.questions().askCamelDefence(region, s.points, true);
}

void QtHost::tellNoCamelDefence(int region, int souk, int field) {
    const Souk& s = w_.game().s.souk(region, souk);
    (void)field;
    w_.questions().tellNoCamelDefence(region, s.points);
}

int QtHost::askCubeOrder(int firstOwner, int secondOwner) {
    return w_.questions().askCubeOrder(firstOwner, secondOwner);
}

bool QtHost::askExchange(int gold, int camels, int& amount) {
    return w_.questions().askExchange(gold, camels, amount);
}

bool QtHost::askVictoryPoints(bool camelMode, int available, int& points) {
    return w_.questions().askVictoryPoints(camelMode, available, points);
}

bool QtHost::askCardCorrection(int currentKind, int& kind, int& action) {
    return w_.questions().askCardCorrection(currentKind, kind, action);
}

void QtHost::showEndOfGame(const EndOfGameData& data) { w_.showEndOfGame(data); }

void QtHost::pointsDetail(Game& g) { PunkteDetail(g); }

void QtHost::enableGameSave() {}

void QtHost::saveCounters() { w_.saveCounters(); }

void QtHost::closeWindow() { w_.requestClose(); }

void QtHost::processMessages() { QCoreApplication::processEvents(); }

}  // namespace kelmira
