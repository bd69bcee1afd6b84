// The running-time estimate on the page (the route's `estimate`, see
// tools/view/view_data.h): its times as the stations' list writes them, the
// estimated speed at a metre, and the samples a stretch of the profile draws.
"use strict";  // not in the page

// "HH:MM:SS" of seconds from the midnight before the departure, the day
// dropped (87720 is "00:22:00"), as `scenario timetable` writes it.
function clockText(seconds) {
  const whole = ((Math.round(seconds) % 86400) + 86400) % 86400;
  return [Math.floor(whole / 3600), Math.floor(whole / 60) % 60, whole % 60]
    .map((v) => String(v).padStart(2, "0")).join(":");
}

// "+8 min 25 s", "-1 min 3 s": whole seconds rounded towards the late side,
// so that a missed time never reads as kept.
function marginText(seconds) {
  const whole = Math.floor(seconds);
  const size = Math.abs(whole);
  return (whole < 0 ? "-" : "+") + (size >= 60 ? Math.floor(size / 60) + " min " : "") + (size % 60) + " s";
}

// What the list says of the estimate at the station `index` of `count`: the
// first only leaves, the last only arrives, a stop does both, a station the
// train runs through has its passing time. `late` when the description's time
// cannot be kept.
function stationEstimate(s, index, count) {
  let times;
  if (index === 0) times = "partenza " + clockText(s.departure);
  else if (index === count - 1) times = "arrivo " + clockText(s.arrival);
  else if (s.stops) times = "arrivo " + clockText(s.arrival) + " · partenza " + clockText(s.departure);
  else times = "transito " + clockText(s.arrival);
  return {
    times,
    margin: s.margin === null ? null : marginText(s.margin),
    late: s.margin !== null && s.margin < 0,
  };
}

// The estimated speed (km/h) at a route metre, between the two samples
// either side; null off the run.
function estimatedSpeedAt(estimate, metre) {
  if (!estimate || estimate.speed.length === 0) return null;
  const at = (metre - estimate.from) / estimate.step;
  const last = estimate.speed.length - 1;
  if (at < 0 || at > last) return null;
  const i = Math.min(Math.floor(at), last), j = Math.min(i + 1, last);
  return estimate.speed[i] + (estimate.speed[j] - estimate.speed[i]) * (at - i);
}

// The samples [metre, km/h] that draw the estimated speed on route metres
// [from, to], with one more either side so that the line runs to the edges.
// Where a stretch holds more samples than `columns` can show apart, each
// column keeps its lowest and highest sample, in route order: a stop stays
// at 0 and a peak keeps its height at any zoom.
function estimateSamples(estimate, from, to, columns) {
  if (!estimate || estimate.speed.length === 0) return [];
  const { speed, step } = estimate;
  const last = speed.length - 1;
  const i0 = Math.max(0, Math.floor((from - estimate.from) / step));
  const i1 = Math.min(last, Math.ceil((to - estimate.from) / step));
  if (i0 > i1) return [];
  const sample = (i) => [estimate.from + i * step, speed[i]];
  const out = [];
  if (i1 - i0 + 1 <= 2 * columns) {
    for (let i = i0; i <= i1; i++) out.push(sample(i));
    return out;
  }
  const n = i1 - i0 + 1;
  for (let c = 0; c < columns; c++) {
    const a = i0 + Math.floor((c * n) / columns), b = i0 + Math.floor(((c + 1) * n) / columns) - 1;
    let low = a, high = a;
    for (let i = a + 1; i <= b; i++) {
      if (speed[i] < speed[low]) low = i;
      if (speed[i] > speed[high]) high = i;
    }
    for (const i of low === high ? [low] : [Math.min(low, high), Math.max(low, high)]) out.push(sample(i));
  }
  return out;
}

module.exports = { clockText, marginText, stationEstimate, estimatedSpeedAt, estimateSamples };  // not in the page
