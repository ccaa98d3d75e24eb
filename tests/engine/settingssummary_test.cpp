#include "engine/settingssummary.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/controlstate.h"

namespace mirvel {
namespace {

using test::Combo;
using test::Items;
using test::List;
using test::U;
using test::kException;
using test::kSpeech;
using test::kSyllables;
using test::kWordsSentences;

const char kFourButtons[] = "použiť štyri tlačidlá s i/í/y/ý";

void Timer(ControlValues& c, bool on, int seconds) {
  c.SetCheck(U("CHBTimer"), on, U("časovač"));
  c.SetSpin(U("SETaskTime"), seconds);
}

void Exercise1(ControlValues& c) {
  c.SetSpin(U("SECount1"), 3);
  List(c, "CHLB1", Items({"prvej hlásky", "strednej hlásky", "poslednej hlásky"}), {"prvej hlásky", "poslednej hlásky"});
}

TEST(SettingsSummaryTest, WordingOfEachExercise) {
  struct Case {
    const char* what;
    int exam;
    std::function<void(ControlValues&)> set;
    const char* expected;
  };
  const Case cases[] = {
      {"exercise 1", 1, [](ControlValues& c) { Timer(c, false, 10); Exercise1(c); },
       "<b>počet písmen:</b> 3; <b>dopĺňanie:</b> prvej hlásky, poslednej hlásky"},
      {"exercise 1 with the timer", 1, [](ControlValues& c) { Timer(c, true, 10); Exercise1(c); },
       "<b>časovač:</b> 10 sek; <b>počet písmen:</b> 3; <b>dopĺňanie:</b> prvej hlásky, poslednej hlásky"},
      {"exercise 2", 2,
       [](ControlValues& c) {
         Combo(c, "CBCount2", Items({"presný", "vždy 10"}), "vždy 10");
         List(c, "CHLB2", Items({"x-x", "xx-", "xxx"}), {"xx-"});
       },
       "<b>počet písmen:</b> vždy 10; <b>typ slov:</b> xx-"},
      {"exercise 3", 3,
       [](ControlValues& c) {
         c.SetSpin(U("SERow2"), 5);
         c.SetSpin(U("SEColumn2"), 9);
         c.SetSpin(U("SEMaxLength2"), 1);
       },
       "<b>počet riadkov:</b> 5; <b>počet stĺpcov:</b> 9; <b>počet písmen v slove:</b> 1"},
      {"exercise 4 with nothing checked", 4,
       [](ControlValues& c) { List(c, "CHLB4", Items({"skupina 1", "skupina 2"}), {}); }, "<b>typ slov:</b> "},
      {"exercise 5", 5,
       [](ControlValues& c) {
         Combo(c, "CBType5", Items({"typ skúšania:", "slová", "vety"}), "vety");
         Combo(c, "CBSpeech5", kSpeech, "bez hlasového doprovodu");
         c.SetCheck(U("CHBChangePos5"), false, U("náhodne meniť pozíciu tlačidiel b/d/p"));
       },
       "<b>typ skúšania:</b> vety bez hlasového doprovodu; <b>náhodne meniť pozíciu tlačidiel b/d/p:</b> NIE"},
      {"exercise 6 names its vocabulary", 6,
       [](ControlValues& c) {
         Combo(c, "CBType6", kWordsSentences, "slová");
         List(c, "CHLB6dtn", Items({"di/dy", "ti/ty", "ni/ny"}), {"di/dy", "ni/ny"});
         List(c, "CHLB6pos", Items({"na začiatku", "v strede", "na konci"}), {"na konci"});
         Combo(c, "CBSpeech6", kSpeech, "s hlasovým doprovodom");
         Combo(c, "CBException6", kException, "bežná slovná zásoba");
       },
       "<b>typ skúšania:</b> slová s di/dy, ni/ny na konci a s hlasovým doprovodom bežná slovná zásoba"},
      {"exercise 7", 7,
       [](ControlValues& c) {
         Combo(c, "CBType7", kWordsSentences, "slová");
         Combo(c, "CBSpeech7", kSpeech, "s hlasovým doprovodom");
         c.SetCheck(U("CHBIIYY7"), true, U(kFourButtons));
       },
       "<b>typ skúšania:</b> slová s hlasovým doprovodom; <b>použiť štyri tlačidlá s i/í/y/ý:</b> ÁNO"},
      {"exercise 8", 8,
       [](ControlValues& c) {
         Combo(c, "CBType8", kWordsSentences, "vety");
         Combo(c, "CBSpeech8", kSpeech, "bez hlasového doprovodu");
         Combo(c, "CBException8", kException, "všetko spolu");
         c.SetCheck(U("CHBIIYY8"), false, U(kFourButtons));
       },
       "<b>typ skúšania:</b> vety bez hlasového doprovodu všetko spolu; <b>použiť štyri tlačidlá s i/í/y/ý:</b> NIE"},
      {"exercise 9 without the timer", 9, [](ControlValues& c) { Timer(c, false, 10); }, ""},
      {"exercise 10", 10,
       [](ControlValues& c) { List(c, "CHLBBPM10", Items({"b", "p", "m", "v", "r", "z", "s", "l"}), {"b", "z"}); },
       "<b>vybrané slová po:</b> b, z"},
      {"exercise 11", 11,
       [](ControlValues& c) { c.SetCheck(U("CHBChangePos11"), true, U("náhodne meniť pozíciu tlačidiel ov/ou")); },
       "<b>náhodne meniť pozíciu tlačidiel ov/ou:</b> ÁNO"},
      {"exercise 12 has no space after its label", 12,
       [](ControlValues& c) {
         Combo(c, "CBType12", Items({"slovné spojenia", "vety"}), "slovné spojenia");
         List(c, "CHLBPM12", Items({"1. pád+jed.č.", "2. a 4. pád", "3. pád", "5. pád", "6. pád", "druhové"}),
              {"3. pád", "druhové"});
         c.SetCheck(U("CHBIIYY12"), false, U(kFourButtons));
       },
       "<b>typ skúšania:</b>slovné spojenia <b>príd. mená v:</b> 3. pád, druhové; "
       "<b>použiť štyri tlačidlá s i/í/y/ý:</b> NIE"},
      {"exercise 13", 13,
       [](ControlValues& c) {
         List(c, "CHLBSD13", Items({"podstatné mená", "prídavné mená", "slovesá"}), {"prídavné mená"});
       },
       "<b>slovné druhy:</b> prídavné mená"},
      {"exercise 14", 14,
       [](ControlValues& c) {
         List(c, "CHLB14", kSyllables, {"jednoslabičné", "dvojslabičné"});
         Combo(c, "CBSpeech14", Items({"s hlasovým doprovodom pred úlohou", "so bzučiakom pred úlohou"}),
               "so bzučiakom pred úlohou");
       },
       "<b>slová:</b> jednoslabičné, dvojslabičné so bzučiakom pred úlohou"},
      {"exercise 15", 15, [](ControlValues& c) { Combo(c, "CBSpeech15", kSpeech, "bez hlasového doprovodu"); },
       "<b>typ skúšania:</b> bez hlasového doprovodu"},
      {"exercise 16", 16,
       [](ControlValues& c) {
         List(c, "CHLBSZ16", Items({"základná slovná zásoba", "pokročilá slovná zásoba", "príslovia a porekadlá"}),
              {"základná slovná zásoba", "príslovia a porekadlá"});
       },
       "<b>slová:</b> základná slovná zásoba, príslovia a porekadlá"},
      {"exercise 17 gives at most the timer", 17, [](ControlValues& c) { Timer(c, true, 5); }, "<b>časovač:</b> 5 sek"},
      {"exercise 18", 18,
       [](ControlValues& c) {
         List(c, "CHLB18", kSyllables, {"päťslabičné"});
         Combo(c, "CBSpeech18", Items({"s hlasovým doprovodom pred úlohou", "bez hlasového doprovodu"}),
               "bez hlasového doprovodu");
       },
       "<b>slová:</b> päťslabičné bez hlasového doprovodu"},
  };
  for (const Case& c : cases) {
    ControlValues values;
    c.set(values);
    EXPECT_EQ(BuildSettingsSummary(c.exam, values), U(c.expected)) << c.what;
  }
}

}  // namespace
}  // namespace mirvel
