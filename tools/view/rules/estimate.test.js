"use strict";
const { test } = require("node:test");
const assert = require("node:assert");
const { clockText, marginText, stationEstimate, estimatedSpeedAt, estimateSamples } = require("./estimate.js");

test("clock times drop the day and round to the second", () => {
  const cases = [
    [0, "00:00:00"], [85800, "23:50:00"], [87720, "00:22:00"], [86399.6, "00:00:00"], [3661.4, "01:01:01"],
    [2 * 86400 + 59, "00:00:59"],
  ];
  for (const [seconds, text] of cases) assert.strictEqual(clockText(seconds), text, `${seconds} s`);
});

test("margins in minutes and seconds, rounded towards the late side", () => {
  const cases = [[505, "+8 min 25 s"], [59.9, "+59 s"], [0, "+0 s"], [-0.1, "-1 s"], [-63, "-1 min 3 s"], [120, "+2 min 0 s"]];
  for (const [seconds, text] of cases) assert.strictEqual(marginText(seconds), text, `${seconds} s`);
});

test("which estimated times a station shows, and whether its time is kept", () => {
  const at = (stops, arrival, departure, margin) => ({ stops, arrival, departure, given: margin === null ? null : 0, margin });
  const cases = [
    // station, index of 4: what the list says
    [at(true, 85800, 85800, null), 0, { times: "partenza 23:50:00", margin: null, late: false }],
    [at(true, 86500, 86530, 0), 1, { times: "arrivo 00:01:40 · partenza 00:02:10", margin: "+0 s", late: false }],
    [at(false, 86523.4, 86523.4, null), 1, { times: "transito 00:02:03", margin: null, late: false }],
    [at(true, 87000, 87720, 690), 2, { times: "arrivo 00:10:00 · partenza 00:22:00", margin: "+11 min 30 s", late: false }],
    [at(true, 87760, 87790, -70), 2, { times: "arrivo 00:22:40 · partenza 00:23:10", margin: "-1 min 10 s", late: true }],
    [at(true, 89400, 89400, -0.1), 3, { times: "arrivo 00:50:00", margin: "-1 s", late: true }],
  ];
  for (const [station, index, shown] of cases) assert.deepStrictEqual(stationEstimate(station, index, 4), shown);
});

// Samples every 50 m from 1000 m: 0, 36, 72, 72, 36, 0 km/h.
const estimate = { from: 1000, step: 50, speed: [0, 36, 72, 72, 36, 0] };

test("the estimated speed at a metre, between samples, none off the run", () => {
  const cases = [[999, null], [1000, 0], [1025, 18], [1100, 72], [1210, 28.8], [1250, 0], [1251, null]];
  for (const [metre, kmh] of cases) {
    const v = estimatedSpeedAt(estimate, metre);
    if (kmh === null) assert.strictEqual(v, null, `${metre} m`);
    else assert.ok(Math.abs(v - kmh) < 1e-9, `${metre} m: ${v}`);
  }
  assert.strictEqual(estimatedSpeedAt(null, 1000), null);
});

test("a stretch's samples with one beyond either edge, all of them when there is room", () => {
  const metres = (samples) => samples.map(([m]) => m);
  assert.deepStrictEqual(estimateSamples(estimate, 1060, 1140, 100), [[1050, 36], [1100, 72], [1150, 72]]);
  assert.deepStrictEqual(metres(estimateSamples(estimate, 0, 5000, 100)), [1000, 1050, 1100, 1150, 1200, 1250]);
  assert.deepStrictEqual(estimateSamples(estimate, 0, 900, 100), []);
  assert.deepStrictEqual(estimateSamples(estimate, 1300, 2000, 100), []);
  assert.deepStrictEqual(estimateSamples(null, 0, 2000, 100), []);
});

test("a crowded stretch keeps each column's lowest and highest sample in route order", () => {
  // 1000 samples: a saw of 10..109 km/h, and one stop (0) in the middle of a tooth.
  const speed = Array.from({ length: 1000 }, (_, i) => 10 + (i % 100));
  speed[550] = 0;
  const long = { from: 0, step: 50, speed };
  const samples = estimateSamples(long, 0, 999 * 50, 10);
  assert.ok(samples.length <= 20, `${samples.length} samples`);
  for (let k = 1; k < samples.length; k++) assert.ok(samples[k][0] > samples[k - 1][0], "in route order");
  const at = new Map(samples);
  assert.strictEqual(at.get(550 * 50), 0, "the stop stays");
  assert.strictEqual(Math.max(...samples.map(([, v]) => v)), 109);
  assert.strictEqual(samples[samples.length - 1][0], 999 * 50, "the last column reaches the last sample");
});
