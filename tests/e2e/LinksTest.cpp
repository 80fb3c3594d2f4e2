// The real program's links: a click has the shell open web and mail
// addresses and nothing else. For the test the shell's handlers of http,
// https and mailto are this test (RecordShellOpens).
//
// links.pdf page 1 has 300 x 20 pt link boxes at x = 72, bottom at
// y = 700 - 40 i: https, HTTP in capitals, mailto, ftp, a relative address,
// 2047 and 2048-byte addresses, then a jump to page 2.
#include "tests/e2e/Driver.h"

using Links = ProgramTest;

TEST_F(Links, OpensWebAndMailAddressesOnClick)
{
    for (const wchar_t *scheme : {L"http", L"https", L"mailto"}) RecordShellOpens(scheme);
    ASSERT_TRUE(StartApp(&app, Fixture(L"links.pdf")));
    ASSERT_TRUE(WaitForTitle(&app, L"links.pdf - 1/2 - Folivex"));
    // The middle of link i, the A4 page fitted to the width at the top of
    // the strip.
    RECT client;
    GetClientRect(app.view, &client);
    double zoom = (client.right - 16) / 595.0;
    auto link = [&](int i) { return POINT{8 + int(222 * zoom), 8 + int((132 + 40 * i) * zoom)}; };

    // The ftp, relative, 2048-byte and jump links open nothing. The
    // 2047-byte address is left alone: Wine's ShellExecuteW overruns a fixed
    // buffer on addresses that long. One recorder at a time: two appending
    // at once could lose a line.
    for (int i : {3, 4, 6, 7}) Click(&app, link(i));
    for (int i : {0, 1, 2}) Click(&app, link(i)), Opened(i + 1);
    std::vector<std::string> expected = {"https://example.com/a", "HTTP://EXAMPLE.COM/B", "mailto:someone@example.com"};
    EXPECT_EQ(Opened(3), expected);
    EXPECT_EQ(TextOf(app.main), L"links.pdf - 1/2 - Folivex") << "the jump was followed";
}
