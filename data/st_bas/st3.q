# The Lighthouse Keeper in the Old Days

Which point does the text make in its opening paragraph?
- missing one duty could put lives at risk
+ every light had to shine from dusk to dawn
- the lens made a weak flame into a strong beam
- rough seas could keep the relief boat away

Which of these does the text mention first?
+ the relief boat
- the nickname "wickies"
- the clockwork frame
- the daily log book

What does the text say dulled the glass?
- smoke and salt spray
- soot and sea mist
+ soot and salt spray
- smoke and sea mist

How many kinds of sound signal for fog does the text name?
- one
+ two
- three
- four

In which part does the text mention shipwrecks?
- the part on fog and its signals
+ the part on family life and its rewards
- the part on lonely rocks and relief boats
- the part on how the old ways ended

Which of these does the text NOT name among the sights keepers saw?
- storms over the sea
- great flocks of seabirds
+ seals resting on the rocks
- wide sunsets over the water

Which of these does the text's final paragraph NOT say?
- electric lamps took the place of oil
- machines took over turning and timing
- staff come to check the lights now and then
+ many towers have become museums

How does the text describe the nights in its last sentence?
+ long and wild
- long and dark
- cold and stormy
- dark and lonely
