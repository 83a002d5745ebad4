#pragma once

namespace courtlog {

// How a picture covers an area: stretched over it, tiled from its top left,
// or centred unscaled.
enum class PictureLayout { Fit = 0, Tile = 1, Center = 2 };

// The layout a stored code asks for (a team's logo layout, the wallpaper
// mode in the settings): 0 fit, 2 centre, and 1 or any other value tile.
PictureLayout pictureLayoutOf(int code);

}  // namespace courtlog
