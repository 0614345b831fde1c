#include "themeplaces.h"

#include <gtest/gtest.h>

TEST(ThemePlaces, EveryThemeEverListedKeepsItsOwnPlace)
{
    player::ThemePlaces places;
    EXPECT_EQ(places.activity(50), 0) << "51 themes have a place from the start";
    places.fit(60);
    places.activity(58) = 2;
    places.fit(3); // a shorter list later loses no place
    places.show(58, "tema58");
    EXPECT_EQ(places.shownActivity(), 2);
    EXPECT_EQ(places.activity(59), 0);
    EXPECT_EQ(places.folder(), "tema58");
}
