#pragma once

namespace toolkit {

// Pictures of a full-HD screen take megabytes each, and come and go with
// every stroke, undo, activity and page. Once the first of them is freed,
// glibc's allocator raises its threshold for giving blocks their own
// mapping, so that later pictures come from the heap and their memory stays
// with the program after they are freed. A fixed threshold keeps every
// large block mapped on its own, and given back to the system when freed.
// Called once, first thing in main().
void giveLargeBlocksBack();

} // namespace toolkit
