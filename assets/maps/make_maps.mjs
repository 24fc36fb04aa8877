// Draws the land masks of the tsunami experiment, white land on black sea, from the Natural Earth
// land polygons (1:50m) that the npm package world-atlas carries. Run from this folder:
//   npm ci && node make_maps.mjs
// It rewrites indian_ocean.bmp and atlantic.bmp and prints their land pixel counts.

import { writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { feature } from "topojson-client";

const require = createRequire(import.meta.url);
const landTopology = require("world-atlas/land-50m.json");

// The standard 16-colour palette as red, green, blue.
const kStandardPalette = [
  [0, 0, 0], [128, 0, 0], [0, 128, 0], [128, 128, 0], [0, 0, 128], [128, 0, 128], [0, 128, 128],
  [128, 128, 128], [192, 192, 192], [255, 0, 0], [0, 255, 0], [255, 255, 0], [0, 0, 255],
  [255, 0, 255], [0, 255, 255], [255, 255, 255],
];
const kBlackWhitePalette = [[0, 0, 0], [255, 255, 255]];

// Each map is a plain longitude/latitude window (degrees east and north, the picture's outer edges),
// stretched to the picture. The windows put the epicentres of the tank's source suggestion, at
// 323/401 of the width and 159/401 of the height from the bottom (Indian Ocean) and at 307/401 and
// 150/401 (Atlantic), in the sea just off the coast: north-western Sumatra, where the 2004
// earthquake struck, and Morocco near Agadir (about 30 degrees north, 10 west), some 700 km south
// of where the 1755 Lisbon earthquake struck.
const kMaps = [
  {
    file: "indian_ocean.bmp",
    width: 401,
    height: 359,
    bitsPerPixel: 4,
    palette: kStandardPalette,
    window: { west: 65.15, east: 104.25, north: 24.75, south: -7.55 },
  },
  {
    file: "atlantic.bmp",
    width: 500,
    height: 500,
    bitsPerPixel: 1,
    palette: kBlackWhitePalette,
    window: { west: -92.25, east: 15.25, north: 75.3, south: 2.8 },
  },
];

// The longitudes of a ring made continuous: a step across the antimeridian (from 179.9 to -180,
// say) becomes a small step, so that the ring is closed again in the plane.
function UnwrappedLongitudes(ring) {
  const lons = [ring[0][0]];
  for (let i = 1; i < ring.length; ++i) {
    const step = ring[i][0] - ring[i - 1][0];
    lons.push(lons[i - 1] + step - 360 * Math.round(step / 360));
  }
  return lons;
}

// Every edge of every land ring as [lon1, lat1, lon2, lat2]. Each ring is closed, so a scan line
// crosses it an even number of times and the even-odd rule finds the land. A ring that spans the
// antimeridian lies partly beyond ±180 once unwrapped; copies shifted by ±360 degrees bring every
// part of it into view. Rings that encircle the pole (Antarctica, far south of both maps) cannot
// be closed in the plane and are left out.
function LandEdges() {
  const land = feature(landTopology, landTopology.objects.land);
  const edges = [];
  for (const { geometry } of land.features) {
    const polygons = geometry.type === "Polygon" ? [geometry.coordinates] : geometry.coordinates;
    for (const ring of polygons.flat()) {
      const lons = UnwrappedLongitudes(ring);
      if (Math.abs(lons[lons.length - 1] - lons[0]) > 180) continue;
      for (const shift of [-360, 0, 360]) {
        for (let i = 0; i + 1 < ring.length; ++i) {
          edges.push([lons[i] + shift, ring[i][1], lons[i + 1] + shift, ring[i + 1][1]]);
        }
      }
    }
  }
  return edges;
}

// mask[row * width + column] is 1 where the pixel's centre lies on land (even-odd rule along each
// row), rows from the top of the picture.
function Rasterise(edges, { width, height, window: { west, east, north, south } }) {
  const mask = new Uint8Array(width * height);
  const degreesPerColumn = (east - west) / width;
  const degreesPerRow = (north - south) / height;
  for (let row = 0; row < height; ++row) {
    const lat = north - (row + 0.5) * degreesPerRow;
    const crossings = [];
    for (const [lon1, lat1, lon2, lat2] of edges) {
      if (lat1 > lat !== lat2 > lat) {
        const lon = lon1 + ((lat - lat1) * (lon2 - lon1)) / (lat2 - lat1);
        crossings.push((lon - west) / degreesPerColumn);
      }
    }
    crossings.sort((a, b) => a - b);
    // Land between each pair of crossings: the columns whose centres c + 0.5 lie in [enter, leave).
    for (let i = 0; i + 1 < crossings.length; i += 2) {
      const first = Math.max(0, Math.ceil(crossings[i] - 0.5));
      const end = Math.min(width, Math.ceil(crossings[i + 1] - 0.5));
      mask.fill(1, row * width + first, row * width + Math.max(first, end));
    }
  }
  return mask;
}

// An uncompressed Windows bitmap with a 40-byte info header and the given palette (land is its
// last entry, white; sea its first, black): rows bottom-up, each padded to whole 32-bit words, the
// leftmost pixel in the high bits of its byte.
function EncodeBmp(mask, { width, height, bitsPerPixel, palette }) {
  const stride = Math.ceil((width * bitsPerPixel) / 32) * 4;
  const pixelOffset = 14 + 40 + 4 * palette.length;
  const bmp = Buffer.alloc(pixelOffset + stride * height);
  bmp.write("BM", 0, "latin1");
  bmp.writeUInt32LE(bmp.length, 2);
  bmp.writeUInt32LE(pixelOffset, 10);
  bmp.writeUInt32LE(40, 14);
  bmp.writeInt32LE(width, 18);
  bmp.writeInt32LE(height, 22); // positive: bottom-up
  bmp.writeUInt16LE(1, 26); // planes
  bmp.writeUInt16LE(bitsPerPixel, 28);
  bmp.writeUInt32LE(0, 30); // no compression
  bmp.writeUInt32LE(stride * height, 34);
  bmp.writeInt32LE(3780, 38); // 96 pixels per inch
  bmp.writeInt32LE(3780, 42);
  bmp.writeUInt32LE(palette.length, 46);
  bmp.writeUInt32LE(0, 50);
  palette.forEach(([red, green, blue], i) => {
    bmp.writeUInt8(blue, 54 + 4 * i);
    bmp.writeUInt8(green, 55 + 4 * i);
    bmp.writeUInt8(red, 56 + 4 * i);
  });
  const land = palette.length - 1;
  const perByte = 8 / bitsPerPixel;
  for (let row = 0; row < height; ++row) {
    const start = pixelOffset + (height - 1 - row) * stride;
    for (let x = 0; x < width; ++x) {
      if (!mask[row * width + x]) continue;
      const shift = 8 - bitsPerPixel * ((x % perByte) + 1);
      bmp[start + Math.floor(x / perByte)] |= land << shift;
    }
  }
  return bmp;
}

const edges = LandEdges();
for (const map of kMaps) {
  const mask = Rasterise(edges, map);
  writeFileSync(new URL(map.file, import.meta.url), EncodeBmp(mask, map));
  const landPixels = mask.reduce((sum, v) => sum + v, 0);
  const share = ((100 * landPixels) / mask.length).toFixed(1);
  console.log(`${map.file}: ${map.width} x ${map.height}, ${map.bitsPerPixel} bits, ${landPixels} land pixels (${share} %)`);
}
