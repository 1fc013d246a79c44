#include "core/message_list.h"

#include <gtest/gtest.h>

namespace kv9 {
namespace {

struct Messages : ::testing::Test {
  struct {
    MessageList messages;
    bool fatal_flag = false;
  } s;
};

TEST_F(Messages, RepeatsAreStoredOnce) {
  MessageAdd(s.messages, "Fatal  : z = 0 !");
  MessageAdd(s.messages, "Fatal  : z = 0 !");
  EXPECT_EQ(MessageCount(s.messages), 1);
  EXPECT_EQ(MessageText(s.messages, 1), "Fatal  : z = 0 !");
  // Texts are cut to 36 characters, so these two are the same message.
  const std::string head = "Warnung: ein sehr langer Meldungstex";
  ASSERT_EQ(head.size(), 36u);
  MessageAdd(s.messages, head + "t A");
  MessageAdd(s.messages, head + "t B");
  EXPECT_EQ(MessageCount(s.messages), 2);
  EXPECT_EQ(MessageText(s.messages, 2), head);
}

TEST_F(Messages, AtMostElevenAndTheTwelfthIsLost) {
  for (int i = 1; i <= 12; ++i) MessageAdd(s.messages, "Fehler : " + std::to_string(i));
  EXPECT_EQ(MessageCount(s.messages), 11);
  EXPECT_EQ(MessageText(s.messages, 11), "Fehler : 11");
  MessageAdd(s.messages, "Fehler : 1");  // a repeat of a stored one changes nothing either
  EXPECT_EQ(MessageCount(s.messages), 11);
  EXPECT_EQ(MessageText(s.messages, 0), "");
  EXPECT_EQ(MessageText(s.messages, 12), "");
}

TEST_F(Messages, ClearEmptiesTheListAndTheFatalFlag) {
  MessageAdd(s.messages, "Fatal  : P = 0 !");
  s.fatal_flag = true;
  EXPECT_TRUE(s.fatal_flag);
  EXPECT_TRUE(s.fatal_flag);
  MessageClear(s.messages, s.fatal_flag);
  EXPECT_EQ(MessageCount(s.messages), 0);
  EXPECT_FALSE(s.fatal_flag);
  MessageAdd(s.messages, "Fatal  : P = 0 !");  // stored again after a clear
  EXPECT_EQ(MessageCount(s.messages), 1);
}

}  // namespace
}  // namespace kv9
