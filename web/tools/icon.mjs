// Reads the program's XPM icon and writes it as an indexed-colour PNG, so
// the web icons come from the same pixels as the desktop's.
import { writeFileSync } from 'node:fs';
import { deflateSync } from 'node:zlib';

// { width, height, colours: ['#RRGGBB' | null], pixels: Uint8Array of indices }
export function readXpm(source) {
  const strings = [...source.matchAll(/"([^"]*)"/g)].map((match) => match[1]);
  const [width, height, count, perPixel] = strings[0].split(/\s+/).map(Number);
  if (perPixel !== 1) {
    throw new Error('only one character per pixel is read');
  }
  const keys = new Map();
  const colours = [];
  for (const line of strings.slice(1, 1 + count)) {
    const colour = line.slice(1).trim().split(/\s+/)[1];
    keys.set(line[0], colours.length);
    colours.push(colour === 'None' ? null : colour);
  }
  const pixels = new Uint8Array(width * height);
  strings.slice(1 + count, 1 + count + height).forEach((row, y) => {
    for (let x = 0; x < width; x += 1) {
      pixels[y * width + x] = keys.get(row[x]);
    }
  });
  return { width, height, colours, pixels };
}

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k += 1) {
    c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  }
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) {
    c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  }
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

const rgb = (hex) => [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16));

// Each pixel becomes a scale x scale block, centred on a square canvas of
// `size` filled with `background` (transparent when there is none).
export function writePng(path, icon, { scale, size = icon.width * scale, background = null }) {
  const colours = [...icon.colours];
  let fill = colours.indexOf(null);
  if (background) {
    fill = colours.length;
    colours.push(background);
  }
  const offset = (size - icon.width * scale) / 2;
  const rows = Buffer.alloc(size * (size + 1));
  for (let y = 0; y < size; y += 1) {
    for (let x = 0; x < size; x += 1) {
      const sx = Math.floor((x - offset) / scale);
      const sy = Math.floor((y - offset) / scale);
      const inside = sx >= 0 && sy >= 0 && sx < icon.width && sy < icon.height;
      let index = inside ? icon.pixels[sy * icon.width + sx] : fill;
      if (background && colours[index] === null) {
        index = fill;
      }
      rows[y * (size + 1) + 1 + x] = index;
    }
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 3, 0, 0, 0], 8);  // 8-bit palette indices
  const palette = Buffer.from(colours.flatMap((colour) => (colour ? rgb(colour) : [0, 0, 0])));
  const alpha = Buffer.from(colours.map((colour) => (colour ? 255 : 0)));
  writeFileSync(path, Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('PLTE', palette),
    chunk('tRNS', alpha),
    chunk('IDAT', deflateSync(rows, { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]));
}
