#include "core/message_list.h"

#include <gtest/gtest.h>

#include "support/test_session.h"

namespace kv9 {
namespace {

struct Messages : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(Messages, RepeatsAreStoredOnce) {
  MessageAdd(s, "Fatal  : z = 0 !");
  MessageAdd(s, "Fatal  : z = 0 !");
  EXPECT_EQ(MessageCount(s), 1);
  EXPECT_EQ(MessageText(s, 1), "Fatal  : z = 0 !");
  // Texts are cut to 36 characters, so these two are the same message.
  const std::string head = "Warnung: ein sehr langer Meldungstex";
  ASSERT_EQ(head.size(), 36u);
  MessageAdd(s, head + "t A");
  MessageAdd(s, head + "t B");
  EXPECT_EQ(MessageCount(s), 2);
  EXPECT_EQ(MessageText(s, 2), head);
}

TEST_F(Messages, AtMostElevenAndTheTwelfthIsLost) {
  for (int i = 1; i <= 12; ++i) MessageAdd(s, "Fehler : " + std::to_string(i));
  EXPECT_EQ(MessageCount(s), 11);
  EXPECT_EQ(MessageText(s, 11), "Fehler : 11");
  MessageAdd(s, "Fehler : 1");  // a repeat of a stored one changes nothing either
  EXPECT_EQ(MessageCount(s), 11);
  EXPECT_EQ(MessageText(s, 0), "");
  EXPECT_EQ(MessageText(s, 12), "");
}

TEST_F(Messages, ClearEmptiesTheListAndTheFatalFlag) {
  MessageAdd(s, "Fatal  : P = 0 !");
  MessageSetFatal(s);
  EXPECT_TRUE(MessageIsFatal(s));
  EXPECT_TRUE(s.fatal_flag);
  MessageClear(s);
  EXPECT_EQ(MessageCount(s), 0);
  EXPECT_FALSE(MessageIsFatal(s));
  MessageAdd(s, "Fatal  : P = 0 !");  // stored again after a clear
  EXPECT_EQ(MessageCount(s), 1);
}

}  // namespace
}  // namespace kv9
