#include "themeplaces.h"

namespace player {

void ThemePlaces::fit(int themes)
{
    if (themes > static_cast<int>(activities_.size()))
        activities_.resize(static_cast<size_t>(themes), 0);
}

} // namespace player
