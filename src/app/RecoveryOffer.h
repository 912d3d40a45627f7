#pragma once

// At start, the recovery copies a crashed session left (widgets/RecoveryStore.h), offered one
// by one, newest first, over the main window: Recuperar opens the copy as the case, with its
// changes not saved, in the windows of its analyses; Descartar removes the copy; Depois keeps
// it for the next start. Once one copy is recovered the others wait for a later start: the
// program holds one case at a time.

namespace zarn {

class RecoveryStore;
class TForm1;

void OfferRecovery(RecoveryStore& store, TForm1& window);

} // namespace zarn
