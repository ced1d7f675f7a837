#include "engine/game.h"

namespace kelmira {

Game::Game(Host* host, ComputerPlayers* players)
    : host_(host ? host : &nullHost_), players_(players) {}

void Game::internalFault(int code, std::string_view procedure) {
    ++faultCount;
    const std::string message = Join("Internal Fault ", code, " in Procedure ", procedure);
    if (traceOn) {
        static constexpr std::string_view kStars = "************************************";
        host_->traceLine(kStars);
        host_->traceLine(message);
        host_->traceLine(kStars);
    }
    host_->internalFault(message);
}

}  // namespace kelmira
