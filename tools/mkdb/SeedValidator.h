#pragma once

#include "SeedTable.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Checks the seed tables against what the game relies on: every nation can name its players, every
// week of the season is playable, and every finishing position of every event earns points and a prize.
// Runs on the text files, before anything is written, and reports every problem it finds.
class SeedValidator {
  public:
    explicit SeedValidator(const std::map<std::string, SeedTable>& tables) : m_tables(tables) {}

    // Every problem found, as a readable message; empty when the data is sound.
    std::vector<std::string> validate();

  private:
    struct Event {
        std::string name;
        std::string where;
        long long level = 0;
        long long week = 0;
        long long entrants = 0;
        std::string game;
    };
    struct Tier {
        std::string where;
        long long points = 0;
        long long from = 0;
        long long to = 0;
    };

    void checkNations();
    void checkNamePools();
    void checkTiers();
    void checkSeason();
    void checkTierCoverage();
    void checkPrizes();
    void checkSettings();

    const SeedTable* table(const std::string& name);
    std::string_view field(const SeedTable& table, const SeedTable::Row& row, std::string_view column);
    long long number(const SeedTable& table, const SeedTable::Row& row, std::string_view column,
                     long long min, long long max);
    void fail(std::string message) { m_errors.push_back(std::move(message)); }

    const std::map<std::string, SeedTable>& m_tables;
    std::vector<std::string> m_errors;
    std::set<std::string> m_nationKeys;                   // "it", "fr", ...
    std::map<std::string, std::string> m_nationsByFolded; // folded nation name -> nation name
    std::vector<Event> m_events;
    std::map<long long, std::vector<Tier>> m_tiers; // level -> tiers, best positions first
};
