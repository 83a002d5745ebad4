#include "core/records/PictureLayout.h"

namespace courtlog {

PictureLayout pictureLayoutOf(int code) {
    switch (code) {
        case 0: return PictureLayout::Fit;
        case 2: return PictureLayout::Center;
        default: return PictureLayout::Tile;
    }
}

}  // namespace courtlog
