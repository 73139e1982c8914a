# Caring for a Dog

In which part does the text mention a dog's heart?
+ the part on feeding
- the part on exercise
- the part on vet visits
- the part on grooming

What does the text tell owners to check before going out on hot days?
- the heat of the pavement
- the dog's paws
+ the water bowl
- the shade in the garden

Which of these does the text mention first?
- a course of vaccines
- fleas and ticks
- a name tag
+ sit, stay and come

What does the text say a small, calm dog may be happy with?
- a short walk
+ a short stroll
- a gentle stroll
- a gentle walk

What does the text say long coats need brushing often to stop?
+ painful knots
- thick mats
- skin sores
- heavy shedding

Which of these does the text NOT mention in its part on grooming?
- trimming the nails
- checking the ears
+ giving a bath
- brushing the teeth

What does the text say shouting or harsh punishment tends to make a dog?
- fearful
+ anxious
- aggressive
- stubborn

Which of these does the text's last paragraph NOT say?
- a dog alone for long hours may get lonely
- a microchip helps a lost dog get home
- kind care is repaid with years of trust
+ most owners find the effort worth it
