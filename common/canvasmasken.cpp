// Drawing a mask onto the picture through the pen mode, and the path of a line in a mask.
#include "canvasmasken.h"

namespace canvasraster {

namespace {

template <PenModus M>
inline QRgb verknuepfeT(QRgb d, QRgb s)
{
    if constexpr (M == PenModus::Copy)
        return s | Opak;
    else if constexpr (M == PenModus::Xor)
        return (d ^ s) | Opak;
    else if constexpr (M == PenModus::NotXor)
        return ~(d ^ s) | Opak;
    else
        return ~d | Opak;
}

template <PenModus M>
void zeichneMaskeT(const Raster &ras, Maske &m, const Kasten &k, QRgb stift, const Pinsel &pinsel, bool fuellen,
                   const Schraffur *sch)
{
    const QRgb grund = zuRgb(pinsel.color);
    const bool luecken = pinsel.style == PinselStil::Solid;
    const bool einfach = pinsel.style == PinselStil::Solid || pinsel.style == PinselStil::Clear || !fuellen;
    // Source colour and whether to paint, by mask value (simple brushes).
    QRgb quelle[8] = {};
    bool malen[8] = {};
    for (int v = 1; v < 8; ++v) {
        if (v & MStift) {
            quelle[v] = stift;
            malen[v] = true;
        } else if (v & MLuecke) {
            quelle[v] = grund;
            malen[v] = luecken;
        } else {
            quelle[v] = grund;
            malen[v] = fuellen && pinsel.style == PinselStil::Solid;
        }
    }
    for (i64 y = k.y0; y < k.y1; ++y) {
        QRgb *z = ras.zeile(y);
        const std::uint8_t *mz = m.zeile(y) - m.k.x0;
        for (i64 x = naechsterGesetzter(mz, k.x0, k.x1); x < k.x1; x = naechsterGesetzter(mz, x, k.x1)) {
            if (einfach) {
                for (; x < k.x1 && mz[x]; ++x) {
                    const std::uint8_t v = mz[x];
                    if (malen[v])
                        z[x] = verknuepfeT<M>(z[x], quelle[v]);
                }
                continue;
            }
            const std::uint8_t v = mz[x];
            if (v & (MStift | MLuecke)) {
                if (malen[v])
                    z[x] = verknuepfeT<M>(z[x], quelle[v]);
            } else if (sch ? sch->punkt(pinsel.style, x, y) : musterPunkt(pinsel.style, x, y)) {
                z[x] = verknuepfeT<M>(z[x], grund);
            }
            ++x;
        }
    }
}

}  // namespace

void zeichneMaske(const Raster &ras, Maske &m, PenModus modus, QRgb stift, const Pinsel &pinsel, bool fuellen,
                  const Schraffur *sch)
{
    const Kasten k = m.k.mit(ras.kasten());
    if (k.leer())
        return;
    switch (modus) {
    case PenModus::Copy:
        return zeichneMaskeT<PenModus::Copy>(ras, m, k, stift, pinsel, fuellen, sch);
    case PenModus::Xor:
        return zeichneMaskeT<PenModus::Xor>(ras, m, k, stift, pinsel, fuellen, sch);
    case PenModus::NotXor:
        return zeichneMaskeT<PenModus::NotXor>(ras, m, k, stift, pinsel, fuellen, sch);
    case PenModus::Not:
        return zeichneMaskeT<PenModus::Not>(ras, m, k, stift, pinsel, fuellen, sch);
    }
}

void linieInMaske(Maske &m, i64 x0, i64 y0, i64 x1, i64 y1, bool mitEnde, PenStil stil, i64 phase, const Spitze *spitze)
{
    if (spitze) {
        linie(x0, y0, x1, y1, mitEnde, m.k, [&](i64 x, i64 y, i64) { m.stempel(x, y, *spitze); });
        return;
    }
    linie(x0, y0, x1, y1, mitEnde, m.k,
          [&](i64 x, i64 y, i64 i) { m.setze(x, y, musterAn(stil, phase + i) ? MStift : MLuecke); });
}

void strichInMaske(Maske &m, i64 x0, i64 y0, i64 x1, i64 y1, bool mitEnde, PenStil stil, i64 phase, i64 logisch,
                   const Spitze &spitze, const Kasten &ohne)
{
    const Kasten clip = m.k.erweitert(spitze.r);
    const i64 n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    const bool muster = stil != PenStil::Solid && n > 0;
    auto stempel = [&](i64 x, i64 y, std::uint8_t v) {
        for (int dy = -spitze.r; dy <= spitze.r; ++dy) {
            const auto [von, bis] = spitze.zeilen[std::size_t(dy + spitze.r)];
            const i64 yy = y + dy;
            if (von > bis || yy < m.k.y0 || yy >= m.k.y1)
                continue;
            if (yy < ohne.y0 || yy >= ohne.y1 || ohne.leer()) {
                m.spanne(yy, x + von, x + bis, v);
                continue;
            }
            m.spanne(yy, x + von, std::min<i64>(x + bis, ohne.x0 - 1), v);  // left and right of ohne
            m.spanne(yy, std::max<i64>(x + von, ohne.x1), x + bis, v);
        }
    };
    linie(x0, y0, x1, y1, mitEnde, clip, [&](i64 x, i64 y, i64 i) {
        bool an = true;
        if (muster)
            an = musterAn(stil, phase + TeileProdukt(u64(i), u64(logisch), 0, u64(n)).quotient);
        stempel(x, y, an ? MStift : MLuecke);
    });
}

}  // namespace canvasraster
