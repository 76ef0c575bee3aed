#include "board/QuadroTocavel.h"

#include "app/data/DM_Sonopaine.h"

namespace sono::board {

namespace {

// An integer of the configuration row; a null value, or no row, reads 0.
int configuracao(const char* campo) {
  if (!DM) return 0;
  fb::FbDataset* t = DM->TB_Configuracao;
  if (!t->active() || t->isEmpty() || t->fieldIndex(QLatin1String(campo)) < 0) return 0;
  const fb::FbField f = t->fieldByName(QLatin1String(campo));
  return f.isNull() ? 0 : f.asInteger();
}

}  // namespace

int TQuadroTocavel::placaSaida() const { return configuracao("CFG_PLACASONOPAINE"); }
int TQuadroTocavel::buffersSaida() const { return configuracao("CFG_BUFFERSSONOPAINE"); }

}  // namespace sono::board
