#pragma once

#include <tuple>

#include "core/records/Codes.h"
#include "core/records/FieldDescription.h"
#include "core/records/Game.h"
#include "core/records/Player.h"
#include "core/records/Team.h"
#include "core/records/UniformNumber.h"

namespace courtlog {

// The fields of the records, each once, in the order of every form: the
// desktop files (FieldBytes.h), the JSON form and the handheld payload walk
// these lists. A new field is one more line here.

template <>
struct FieldsOf<Player> {
    static constexpr std::tuple list{
        textField("name", &Player::name, Player::kNameWidth, PalmForm::Name),
        numberField("number", &Player::number, {kUniformDoubleZero, 99}, PalmForm::SignedByte),
        // Nonzero: on court in that period.
        numberField("playedInPeriod", &Player::playedInPeriod, rangeOf<std::int16_t>(), PalmForm::SignedFlag),
        numberField("position", &Player::position, {0, 3}, PalmForm::SignedByte, OnRead::HeldInRange),
        numberField("courtSlot", &Player::courtSlot, {0, 5}, PalmForm::Byte, OnRead::HeldInRange),
    };
};

// The birthday is one field: each form writes a date its own way.
template <>
struct FieldsOf<PersonalInfo> {
    static constexpr std::tuple list{
        textField("phone", &PersonalInfo::phone, PersonalInfo::kPhoneWidth),
        textField("address", &PersonalInfo::address, PersonalInfo::kAddressWidth),
        textField("city", &PersonalInfo::city, PersonalInfo::kCityWidth),
        textField("state", &PersonalInfo::state, PersonalInfo::kStateWidth),
        textField("zip", &PersonalInfo::zip, PersonalInfo::kZipWidth),
        compoundField("birthday", &PersonalInfo::birthday),
        textField("email", &PersonalInfo::email, PersonalInfo::kEmailWidth),
        textField("note", &PersonalInfo::note, PersonalInfo::kNoteWidth),
    };
};

// The team's own fields; the desktop file has its file name in front and
// every form the roster after them.
template <>
struct FieldsOf<Team> {
    static constexpr std::tuple list{
        textField("name", &Team::name, Team::kNameWidth, PalmForm::Text),
        textField("coach", &Team::coach, Team::kNameWidth, PalmForm::Text),
        textField("assistant", &Team::assistant, Team::kNameWidth, PalmForm::Text),
        textField("spareText", &Team::spareText, Team::kNameWidth),
        textField("logoFile", &Team::logoFile, Team::kLogoFileWidth),
        numberField("logoLayout", &Team::logoLayout, {0, 2}, PalmForm::None, OnRead::HeldInRange),
        numberField("logoFade", &Team::logoFade, {0, 100}, PalmForm::None, OnRead::HeldInRange),
    };
};

template <>
struct FieldsOf<PlayEvent> {
    static constexpr std::tuple list{
        compoundField("player", &PlayEvent::player),
        numberField("kind", &PlayEvent::kind, {NoEvent, ShortTimeOut}, PalmForm::SignedByte),
        numberField("shotResult", &PlayEvent::shotResult, {NoShot, FreeThrowMissed}, PalmForm::SignedByte),
        numberField("shotX", &PlayEvent::shotX, rangeOf<std::int16_t>(), PalmForm::SignedByte),
        numberField("shotY", &PlayEvent::shotY, rangeOf<std::int16_t>(), PalmForm::SignedByte),
        numberField("foulKind", &PlayEvent::foulKind, {NoFoul, LooseBallFoul}, PalmForm::SignedByte),
        numberField("reserved1", &PlayEvent::reserved1, rangeOf<std::int16_t>(), PalmForm::SignedByte),
        numberField("technicalKind", &PlayEvent::technicalKind, {NoTechnical, OtherTechnical}, PalmForm::SignedByte),
        numberField("reserved2", &PlayEvent::reserved2, rangeOf<std::int16_t>(), PalmForm::SignedByte),
        numberField("reboundKind", &PlayEvent::reboundKind, {NoRebound, DefensiveRebound}, PalmForm::SignedByte),
        numberField("goalTendKind", &PlayEvent::goalTendKind, {NoGoalTend, DefensiveGoalTend}, PalmForm::SignedByte),
        numberField("turnoverKind", &PlayEvent::turnoverKind, {NoTurnover, OtherTurnover}, PalmForm::SignedByte),
        numberField("period", &PlayEvent::period, {0, 32767}, PalmForm::SignedByte),
    };
};

// The game information block, then halves and the period being played
// (stored right after the block). The handheld takes the team names from
// its teams, and keeps neither of the last two reserved values.
template <>
struct FieldsOf<Game> {
    static constexpr std::tuple list{
        textField("court", &Game::court, Game::kTextWidth, PalmForm::Text),
        textField("attendance", &Game::attendance, Game::kTextWidth, PalmForm::Text),
        textField("referee1", &Game::referee1, Game::kTextWidth, PalmForm::Text),
        textField("referee2", &Game::referee2, Game::kTextWidth, PalmForm::Text),
        textField("referee3", &Game::referee3, Game::kTextWidth, PalmForm::Text),
        textField("homeName", &Game::homeName, Game::kTextWidth),
        textField("visitorName", &Game::visitorName, Game::kTextWidth),
        numberField("reserved1", &Game::reserved1, rangeOf<std::int16_t>(), PalmForm::Byte),
        numberField("reserved2", &Game::reserved2, rangeOf<std::int16_t>(), PalmForm::Byte),
        numberField("year", &Game::year, rangeOf<std::int16_t>(), PalmForm::Word),
        numberField("day", &Game::day, {1, 31}, PalmForm::SignedByte),
        numberField("month", &Game::month, {1, 12}, PalmForm::SignedByte),
        numberField("minute", &Game::minute, {0, 59}, PalmForm::Byte),
        numberField("hour", &Game::hour, {0, 23}, PalmForm::Byte),
        numberField("reserved3", &Game::reserved3, rangeOf<std::int16_t>()),
        numberField("reserved4", &Game::reserved4, rangeOf<std::int16_t>()),
        numberField("season", &Game::season, {0, 9999}, PalmForm::Season),
        numberField("halves", &Game::halves, rangeOf<std::int16_t>(), PalmForm::Flag),
        numberField("currentPeriod", &Game::currentPeriod, {0, 32767}, PalmForm::Byte),
    };
};

}  // namespace courtlog
