# The Science of Sleep

Which role of sleep does the text name in its first paragraph?
- linking ideas in new, creative ways
- releasing hormones for growth and repair
+ readying body and mind for the hours ahead
- slowing brain waves and steadying breathing

What does the text turn to right after melatonin?
+ the build-up of sleep pressure
- the chemical adenosine
- how caffeine works
- how morning light resets the clock

What does the paragraph after the one on caffeine deal with?
- sleep in other animals
- the costs of lost sleep
- the jobs of each sleep stage
+ the stages of a night's sleep

Which feature of rapid eye movement sleep does the text NOT mention?
- eyes darting under closed lids
+ brain activity close to waking
- the most vivid dreams
- major muscles briefly paralyzed

Besides humans, how many kinds of animal does the text name?
- three
+ four
- five
- six

Which of these does the text mention first?
- waste flushed from brain tissue
- sleep loss likened to mild intoxication
+ deep sleep fixing facts in memory
- dolphins resting half the brain

Which effect of long-term sleep shortage does the text NOT name?
- weakened immunity
- weight gain
- higher risk of lasting illness
+ low mood and depression

Which idea does the text close with?
+ regular, ample sleep is a true necessity
- sleep serves very old and basic purposes
- sleep is an active and well-organized state
- sleep lets the brain sort the day's events
