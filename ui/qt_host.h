#pragma once
// The window's answer to everything the engine asks of its surroundings.

#include "engine/host.h"

namespace kelmira {

class MainWindow;

class QtHost : public Host {
  public:
    explicit QtHost(MainWindow& w) : w_(w) {}

    void traceLine(std::string_view line) override;
    void internalFault(std::string_view message) override;
    void course(const CourseEvent& event) override;
    void refresh(Refresh what, int player) override;

    bool askCamelDefence(int region, int souk, int field) override;
    void tellNoCamelDefence(int region, int souk, int field) override;
    int askCubeOrder(int firstOwner, int secondOwner) override;
    bool askExchange(int gold, int camels, int& amount) override;
    bool askVictoryPoints(bool camelMode, int available, int& points) override;
    bool askCardCorrection(int currentKind, int& kind, int& action) override;
    void showEndOfGame(const EndOfGameData& data) override;
    void pointsDetail(Game& g) override;
    void enableGameSave() override;
    void saveCounters() override;
    void closeWindow() override;
    void processMessages() override;

  private:
    MainWindow& w_;
};

}  // namespace kelmira
