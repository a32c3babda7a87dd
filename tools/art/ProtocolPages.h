#pragma once
// The table pages of the control-code document for outside controllers: the command and
// reply frames, the commands a controller sends with their data bytes and replies, and the
// communication parameters, drawn as pictures of the given size. Page 10 has Chinese or
// English headings; pages 1 to 9 are the same in both editions.

#include <QImage>

namespace qx::art {

QImage paintProtocolPage(int page, bool chinese, int width, int height);

} // namespace qx::art
