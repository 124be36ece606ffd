// SPDX-License-Identifier: MIT
// Files per second of the npm package @xwordly/xword-parser over the corpus,
// timed as Trellis's own benchmark times its readers: every file of a format
// read into memory first, then parsed again and again, refusals included.
//
//     node xword-parser-bench.mjs PREFIX CORPUS REPETITIONS MIN_SECONDS
//
// PREFIX is the folder the package was installed into (npm install --prefix).
// Prints one JSON object: for each format the median files per second by
// process CPU time and by wall time over the repetitions, the file count and
// how many files the package refused.
import fs from 'fs';
import path from 'path';
import { pathToFileURL } from 'url';

const [prefix, corpus, repetitionsText, minSecondsText] = process.argv.slice(2);
// The package's own entry for import, as its package.json names it.
const packageDir = path.join(prefix, 'node_modules', '@xwordly', 'xword-parser');
const manifest = JSON.parse(fs.readFileSync(path.join(packageDir, 'package.json'), 'utf8'));
const entry = manifest.exports?.['.']?.import ?? manifest.module ?? manifest.main;
const { parse } = await import(pathToFileURL(path.join(packageDir, entry)).href);
const repetitions = Number(repetitionsText);
const minCpuMicros = Number(minSecondsText) * 1e6;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

// One pass over the files; the number the package refused.
function pass(files) {
  let refused = 0;
  for (const bytes of files) {
    try {
      parse(bytes);
    } catch (e) {
      refused += 1;
    }
  }
  return refused;
}

const result = {};
for (const format of ['puz', 'ipuz', 'jpz', 'xd']) {
  const folder = path.join(corpus, format);
  const files = fs.readdirSync(folder).sort().map((name) => fs.readFileSync(path.join(folder, name)));
  const refused = pass(files);  // and a first run for the compiler
  for (let i = 0; i < 20; ++i) pass(files);
  const cpuRates = [];
  const wallRates = [];
  for (let r = 0; r < repetitions; ++r) {
    const cpuStart = process.cpuUsage();
    const wallStart = process.hrtime.bigint();
    let parsed = 0;
    let cpu = 0;
    do {
      pass(files);
      parsed += files.length;
      const used = process.cpuUsage(cpuStart);
      cpu = used.user + used.system;
    } while (cpu < minCpuMicros);
    const wallNanos = Number(process.hrtime.bigint() - wallStart);
    cpuRates.push((parsed * 1e6) / cpu);
    wallRates.push((parsed * 1e9) / wallNanos);
  }
  result[format] = { files: files.length, refused, cpu_files_per_second: median(cpuRates), wall_files_per_second: median(wallRates) };
}
process.stdout.write(JSON.stringify(result) + '\n');
